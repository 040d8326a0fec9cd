#include "ui/main_menus.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <cassert>
#include <optional>
#include <utility>

#include "ui/control_map.h"

namespace spanlyx {
namespace {

QString text_of(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The caption with an access key: "&" before its first letter or digit that no earlier item of
// the menu uses ("&&" stands for an ampersand and is passed over).
QString with_access_key(const QString& caption, QString& used) {
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        const QChar key = caption[i].toLower();
        if (!key.isLetterOrNumber() || used.contains(key))
            continue;
        used.append(key);
        return caption.left(i) + QLatin1Char('&') + caption.mid(i);
    }
    return caption;
}

QMenu* add_menu(QMainWindow& window, const char* name, const QString& title) {
    QMenu* menu = window.menuBar()->addMenu(title);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

// Each menu's items get distinct access keys in the order they are added.
QAction* add_item(QMenu* menu, const char* name, const QString& text) {
    QString used = menu->property("accessKeys").toString();
    QAction* item = menu->addAction(with_access_key(text, used));
    menu->setProperty("accessKeys", used);
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

// An item whose command comes with connect_file_menus; present and disabled until then.
QAction* add_later_item(QMenu* menu, const char* name, const QString& text) {
    QAction* item = add_item(menu, name, text);
    item->setEnabled(false);
    return item;
}

QAction* add_separator(QMenu* menu, const char* name) {
    QAction* line = menu->addSeparator();
    line->setObjectName(QString::fromLatin1(name));
    return line;
}

}  // namespace

void build_main_menus(QMainWindow& window, ControlMap& controls, const MenuHandlers& handlers) {
    QMenu* file = add_menu(window, "mnufile", QStringLiteral("&File"));
    // Enabled by the file commands.
    add_later_item(file, "mnuNew", QStringLiteral("New"))->setShortcut(QKeySequence::New);
    add_later_item(file, "mnuOpen", QStringLiteral("Open"))->setShortcut(QKeySequence::Open);
    add_later_item(file, "mnuSave", QStringLiteral("Save"))->setShortcut(QKeySequence::Save);
    add_later_item(file, "mnuSaveas", QStringLiteral("Save As"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QAction* line = add_separator(file, "mnuh");
    QAction* quit = add_item(file, "mnuQuit", QStringLiteral("Exit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    QObject::connect(quit, &QAction::triggered, &window, [handlers] { handlers.quit(); });
    // The calculation report of the last Calculate, enabled by the window after one. Added
    // after Exit so that Exit keeps its access key, then shown above the separator.
    QAction* report = add_item(file, "mnuExportReport", QStringLiteral("Export Report..."));
    file->removeAction(report);
    file->insertAction(line, report);
    report->setEnabled(false);
    QObject::connect(report, &QAction::triggered, &window,
                     [handlers] { handlers.export_report(); });

    QMenu* options = add_menu(window, "mnuoption", QStringLiteral("&Options"));
    QAction* inertia = add_item(options, "mnuInteria", QStringLiteral("Moment Interia option"));
    QObject::connect(inertia, &QAction::triggered, &window,
                     [handlers] { handlers.inertia_option(); });
    // enabled with the settings window by the file commands
    add_later_item(options, "mnuGraphics", QStringLiteral("Input/Output Info"));
    // enabled with the extra-output window by the file commands
    add_later_item(options, "mnufileo", QStringLiteral("File: Extra Output"));
    // enabled with the comments window by the file commands
    add_later_item(options, "mnucomment", QStringLiteral("Comments"));
    // enabled with the combinations window by the file commands
    add_later_item(options, "combinations", QStringLiteral("Load Combinations..."));

    QMenu* units = add_menu(window, "mnuunits", QStringLiteral("&Units"));
    auto* systems = new QActionGroup(units);
    systems->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (UnitSystem system : kAllUnitSystems) {
        const UnitMenuItem& item = unit_menu_item(system);
        QAction* action = add_item(units, "", text_of(item.caption));
        action->setCheckable(true);
        action->setChecked(system == UnitSystem::E);
        systems->addAction(action);
        if (const std::optional<Control> control = control_from_name(item.object_name))
            controls.bind(*control, action);
        QObject::connect(action, &QAction::triggered, &window,
                         [handlers, system] { handlers.unit_system(system); });
    }
    add_separator(units, "mnuh3");
    // enabled with the settings writer by the file commands
    add_later_item(units, "mnu_saveini", QStringLiteral("Save Units Option"));

    QMenu* sections = add_menu(window, "mnusection", QStringLiteral("&Sections"));
    // enabled with the sections window by the file commands
    add_later_item(sections, "mnusection2", QStringLiteral("Choose or Define"));

    QMenu* help = add_menu(window, "mnuhelp", QStringLiteral("&Help"));
    QAction* contents = add_item(help, "mnucontents", QStringLiteral("Contents"));
    contents->setShortcut(QKeySequence(Qt::Key_F1));
    QObject::connect(contents, &QAction::triggered, &window, [handlers] { handlers.contents(); });
    add_separator(help, "mnuh2");
    QAction* about = add_item(help, "mnuabout", QStringLiteral("About"));
    QObject::connect(about, &QAction::triggered, &window, [handlers] { handlers.about(); });
}

void connect_file_menus(QMainWindow& window, const FileMenuHandlers& handlers) {
    const std::pair<const char*, std::function<void()>> items[] = {
        {"mnuNew", handlers.new_beam},
        {"mnuOpen", handlers.open},
        {"mnuSave", handlers.save},
        {"mnuSaveas", handlers.save_as},
        {"mnuGraphics", handlers.graphics_display},
        {"mnufileo", handlers.extra_output},
        {"mnucomment", handlers.comments},
        {"mnu_saveini", handlers.save_units},
        {"mnusection2", handlers.sections},
        {"combinations", handlers.combinations},
    };
    for (const auto& [name, handler] : items) {
        auto* item = window.menuBar()->findChild<QAction*>(QString::fromLatin1(name));
        assert(item && handler);
        item->setEnabled(true);
        QObject::connect(item, &QAction::triggered, &window, [handler] { handler(); });
    }
}

}  // namespace spanlyx
