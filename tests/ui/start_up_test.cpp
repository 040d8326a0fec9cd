// Start-up: the data folder, the caption, the release entries, the settings file with its
// notices, and the two ways the program ends before its window opens.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "ui/start_up.h"
#include "ui_suites.h"
#include "ui_test_support.h"

namespace spanlyx::testing {
namespace {

const char* const kResponseTitleText = "Continuous Beam Response";

QAction* menu_item(const MainWindow& window, const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

// A caption as the menu shows it: access-key marks taken out, "&&" kept as stored.
QString shown_caption(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&&"));
    return text;
}

bool any_window_visible() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            return true;
    }
    return false;
}

}  // namespace

class StartUpTest : public QObject {
    Q_OBJECT
  private slots:
    void freshStartCreatesTheFolderWithBothNotices();
    void windowOpensOnAnUntitledBeamWithEveryMenu();
    void settingsChooseTheUnitsAndTheFirstSpanOption();
    void corruptedSettingsEndTheStartWithTheirMessage_data();
    void corruptedSettingsEndTheStartWithTheirMessage();
    void applicationDataFolderThatCannotBeMadeEndsTheStart();
    void startRemovesTheFolderOfAProgramThatNoLongerRuns();
};

void StartUpTest::freshStartCreatesTheFolderWithBothNotices() {
    DataHome home;
    Harness h;
    const std::unique_ptr<MainWindow> window = start_up(h.services);
    QVERIFY(window);
    const std::string ini = (home.folder() + QStringLiteral("/sx.ini")).toStdString();
    QCOMPARE(h.prompter.shown.size(), std::size_t{2});
    QCOMPARE(h.prompter.shown[0].text,
             "Cannot find the sx.ini file in the users local application dir. " + ini +
                 " - Checking for Spanlyx dir");
    QCOMPARE(h.prompter.shown[1].text, ini + "\\Spanlyx directory not found... - Creating");
    for (const Message& notice : h.prompter.shown) {
        QCOMPARE(notice.title, std::string("Spanlyx"));
        QCOMPARE(notice.icon, MessageIcon::None);
    }
    // The default file: imperial feet, two decimals, first-span option off.
    QFile file(home.folder() + QStringLiteral("/sx.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QVERIFY(lines.size() >= 20);
    QCOMPARE(lines[2].trimmed(), QByteArray("E"));
    QCOMPARE(lines[19].trimmed(), QByteArray("no"));
    QVERIFY(!window->isVisible());
}

void StartUpTest::windowOpensOnAnUntitledBeamWithEveryMenu() {
    DataHome home;
    home.write_settings(settings_lines("E", "no"));
    Harness h;
    const std::unique_ptr<MainWindow> window = start_up(h.services);
    QVERIFY(window);
    QVERIFY(h.prompter.shown.empty());
    QCOMPARE(window->objectName(), QStringLiteral("dataentry"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Spanlyx:    version (8.8)  Current File: ") +
                                        home.folder() + QStringLiteral("/user1_untitled.cb"));
    QCOMPARE(window->file_state().calculated_flag, std::string("n"));

    auto* release = widget<QComboBox>(*window, Control::Combo1);
    QVERIFY(release && release->isEditable());
    QCOMPARE(release->count(), 4);
    const QStringList entries = {"No Hinge", "Hinge On Left", "Hinge On Right", "Hinge On Lt & Rt"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(release->itemText(i), entries[i]);

    QCOMPARE(widget<QLabel>(*window, Control::Label10)->text(), QStringLiteral("Span Length (ft)"));
    QCOMPARE(widget<QLabel>(*window, Control::Label14)->text(), QStringLiteral("M (ft-#)"));
    QVERIFY(!widget<QPushButton>(*window, Control::vm)->isEnabled());
    QVERIFY(!widget<QPushButton>(*window, Control::nextjoint)->isEnabled());
    QVERIFY(widget<QPushButton>(*window, Control::Command7)->isEnabled());
    QVERIFY(!widget<QWidget>(*window, Control::pxtext)->isEnabled());
    QVERIFY(widget<QWidget>(*window, Control::moi)->isVisibleTo(window.get()));
    QVERIFY(!widget<QWidget>(*window, Control::spanwidthtext)->isVisibleTo(window.get()));
    QCOMPARE(widget<QAbstractButton>(*window, Control::Check1)->text(),
             QStringLiteral("Use 1st span E&& I on all spans"));

    // Every menu item by name, each ready to use.
    const struct {
        const char* name;
        const char* text;
    } items[] = {
        {"mnuNew", "New"},
        {"mnuOpen", "Open"},
        {"mnuSave", "Save"},
        {"mnuSaveas", "Save As"},
        {"mnuQuit", "Exit"},
        {"mnuInteria", "Moment Interia option"},
        {"mnuGraphics", "Input/Output Info"},
        {"mnufileo", "File: Extra Output"},
        {"mnucomment", "Comments"},
        {"mnuEnglish", "Imperial (ft)"},
        {"mnuEnglish2", "Imperial (in)"},
        {"mnumetric", "Metric I: x10^-5 m^4 && E: GN/m^2"},
        {"mnumetric2", "Metric I: x10^4 mm^4 && E: N/mm^2"},
        {"mnumetric3", "Metric I: cm^4 && E: Kg/cm^2"},
        {"mnumetric4", "Metric (mm),  I: mm^4 && E N/mm^2"},
        {"mnu_saveini", "Save Units Option"},
        {"mnusection2", "Choose or Define"},
        {"mnucontents", "Contents"},
        {"mnuabout", "About"},
    };
    for (const auto& item : items) {
        const QAction* action = menu_item(*window, item.name);
        QVERIFY2(action, item.name);
        QCOMPARE(shown_caption(action->text()), QString::fromLatin1(item.text));
        QVERIFY(action->isEnabled());
    }
    // Every menu and every item has an access key, distinct within its menu.
    for (const QAction* entry : window->menuBar()->actions()) {
        const QMenu* menu = entry->menu();
        QVERIFY(menu);
        QVERIFY2(!QKeySequence::mnemonic(menu->title()).isEmpty(), qPrintable(menu->title()));
        QList<QKeySequence> keys;
        for (const QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            const QKeySequence key = QKeySequence::mnemonic(action->text());
            QVERIFY2(!key.isEmpty(), qPrintable(action->text()));
            QVERIFY2(!keys.contains(key), qPrintable(action->text()));
            keys.append(key);
        }
    }
    QVERIFY(menu_item(*window, "mnuEnglish")->isChecked());
    for (const char* separator : {"mnuh", "mnuh2", "mnuh3"})
        QVERIFY(menu_item(*window, separator)->isSeparator());
}

void StartUpTest::settingsChooseTheUnitsAndTheFirstSpanOption() {
    DataHome home;
    home.write_settings(settings_lines(" M2 ", "yes"));
    Harness h;
    const std::unique_ptr<MainWindow> window = start_up(h.services);
    QVERIFY(window);
    QVERIFY(h.prompter.shown.empty());
    QVERIFY(menu_item(*window, "mnumetric2")->isChecked());
    QVERIFY(!menu_item(*window, "mnuEnglish")->isChecked());
    QCOMPARE(widget<QLabel>(*window, Control::Label10)->text(), QStringLiteral("Span Length (m)"));
    QCOMPARE(widget<QLabel>(*window, Control::Label19)->text(),
             QStringLiteral("Mom of Inertia (x10^4 mm^4)"));
    QCOMPARE(widget<QLabel>(*window, Control::Label23)->text(), QStringLiteral("Span E (N/mm^2)"));
    QVERIFY(widget<QAbstractButton>(*window, Control::Check1)->isChecked());
    QVERIFY(window->beam().use_first_span_ei);
}

void StartUpTest::corruptedSettingsEndTheStartWithTheirMessage_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("units") << 3 << "X"
                           << "The sx.ini File is corrupted , Trying to Read 3rd line for E, M, "
                              "M2,M3 or M4";
    QTest::newRow("load decimals")
        << 10 << "6"
        << "The sx.ini File is corrupted , Trying to Read 10th line Load Decimals... (Must be 1 "
           "to 5)";
    QTest::newRow("first span") << 20 << "YES"
                                << "The sx.ini File is corrupted , Trying to Read 1st span E&& I "
                                   "on all spans variable";
}

void StartUpTest::corruptedSettingsEndTheStartWithTheirMessage() {
    QFETCH(int, line);
    QFETCH(QString, value);
    QFETCH(QString, message);
    DataHome home;
    std::vector<std::string> lines = settings_lines("E", "no");
    lines[static_cast<std::size_t>(line - 1)] = value.toStdString();
    home.write_settings(lines);
    Harness h;
    const std::unique_ptr<MainWindow> window = start_up(h.services);
    QVERIFY(!window);
    QCOMPARE(h.prompter.shown.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(h.prompter.shown[0].text), message);
    QCOMPARE(h.prompter.shown[0].title, std::string(kResponseTitleText));
    QCOMPARE(h.prompter.shown[0].icon, MessageIcon::Information);
    QVERIFY(!any_window_visible());
}

void StartUpTest::applicationDataFolderThatCannotBeMadeEndsTheStart() {
    DataHome home;
    // The application-data folder would have to be made inside a plain file.
    const QString blocker = home.root() + QStringLiteral("/not-a-folder");
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    qputenv("XDG_DATA_HOME", (blocker + QStringLiteral("/xdg")).toLocal8Bit());
    Harness h;
    const std::unique_ptr<MainWindow> window = start_up(h.services);
    QVERIFY(!window);
    QCOMPARE(h.prompter.shown.size(), std::size_t{1});
    QCOMPARE(h.prompter.shown[0].text, std::string("The folder does not exist"));
    QCOMPARE(h.prompter.shown[0].title, std::string("Spanlyx"));
}

// A program that was killed leaves its folder of temporary files and a lock file nobody holds.
void StartUpTest::startRemovesTheFolderOfAProgramThatNoLongerRuns() {
    DataHome home;
    home.write_settings(settings_lines("E", "no"));
    const QString instances = home.folder() + QStringLiteral("/instances");
    QVERIFY(QDir().mkpath(instances + QStringLiteral("/31337")));
    QFile piece(instances + QStringLiteral("/31337/user1_CONTOUT.TMP"));
    QVERIFY(piece.open(QIODevice::WriteOnly));
    piece.close();
    QFile lock(instances + QStringLiteral("/31337.lock"));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.close();
    Harness h;
    const std::unique_ptr<MainWindow> window = start_up(h.services);
    QVERIFY(window);
    QVERIFY(h.prompter.shown.empty());
    QVERIFY(!QFileInfo::exists(instances + QStringLiteral("/31337")));
    QVERIFY(!QFileInfo::exists(instances + QStringLiteral("/31337.lock")));
}

std::unique_ptr<QObject> make_start_up_suite() {
    return std::make_unique<StartUpTest>();
}

}  // namespace spanlyx::testing

#include "start_up_test.moc"
