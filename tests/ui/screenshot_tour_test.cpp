// The tour behind the pictures of the README and the user guide: the example two-span beam
// opened through File > Open, shown in the main window with its sketch, then calculated, with
// the results window showing the extremes of beam theory. With SPANLYX_SCREENSHOT_DIR set, both
// windows are saved there at a readable size (main-window.png, results-window.png). Help shows
// the user guide with those pictures.
//
// The beam is examples/two-span-uniform.cb: SPANLYX_EXAMPLES_DIR names the folder, else it is
// looked for in the folders above the test program (a build folder inside the source tree).

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include "ui/diagram_area.h"
#include "ui/entry_form.h"
#include "ui/help_window.h"
#include "ui/results_window.h"
#include "ui/sketch_view.h"
#include "ui/start_up.h"
#include "ui_suites.h"
#include "ui_test_support.h"

namespace spanlyx::testing {
namespace {

const QString kExample = QStringLiteral("two-span-uniform.cb");
const QSize kShotSize(1100, 760);

// The example beam's path; empty when it cannot be found.
QString example_path() {
    const QString named = qEnvironmentVariable("SPANLYX_EXAMPLES_DIR");
    if (!named.isEmpty())
        return QDir(named).filePath(kExample);
    QDir dir(QCoreApplication::applicationDirPath());
    do {
        const QString candidate = dir.filePath(QStringLiteral("examples/") + kExample);
        if (QFileInfo::exists(candidate))
            return candidate;
    } while (dir.cdUp());
    return {};
}

// Saves the window when pictures are asked for, and checks that the picture was written.
void save_picture(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("SPANLYX_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    const QString file = QDir(folder).filePath(name + QStringLiteral(".png"));
    QFile::remove(file);
    save_screenshot(window, name);
    QVERIFY2(QFileInfo(file).size() > 0, qPrintable(file));
}

}  // namespace

class ScreenshotTourTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void exampleBeamOpenedAndCalculated();
    void helpShowsTheGuidesPictures();

  private:
    RunningProgram app_;
};

void ScreenshotTourTest::init() {
    QVERIFY(app_.start());
}

void ScreenshotTourTest::cleanup() {
    app_.stop();
}

void ScreenshotTourTest::exampleBeamOpenedAndCalculated() {
    const QString example = example_path();
    if (example.isEmpty())
        QSKIP("examples/two-span-uniform.cb not found; set SPANLYX_EXAMPLES_DIR");
    QVERIFY2(QFileInfo::exists(example), qPrintable(example));

    // File > Open, the dialog answered with the example.
    app_.h->dialogs.paths.push_back(example);
    app_.trigger("mnuOpen");
    QVERIFY(app_.h->prompter.shown.empty());
    QVERIFY(app_.h->dialogs.paths.empty());
    QVERIFY(app_.window->isVisible());
    QVERIFY(app_.window->form().sketch()->drawn());

    app_.window->resize(kShotSize);
    QTRY_COMPARE(app_.window->size(), kShotSize);
    QTest::qWait(50);
    save_picture(*app_.window, QStringLiteral("main-window"));

    // Calculate: the results window takes the place of the main window.
    auto* calculate = widget<QPushButton>(*app_.window, Control::vm);
    QVERIFY(calculate->isEnabled());
    QTest::mouseClick(calculate, Qt::LeftButton);
    QVERIFY(app_.h->prompter.shown.empty());
    auto* results = app_.window->findChild<ResultsWindow*>();
    QVERIFY(results && results->isVisible());
    QVERIFY(!app_.window->isVisible());

    // A read-out over the middle of span 1, for the picture: span 1, X 7.50, the largest
    // sagging moment.
    auto* span = results->findChild<QLineEdit*>(QStringLiteral("cursors"));
    auto* x = results->findChild<QLineEdit*>(QStringLiteral("cursorx"));
    span->setText(QStringLiteral("1"));
    x->setText(QStringLiteral("7.50"));
    QCOMPARE(results->findChild<QLineEdit*>(QStringLiteral("cursorm"))->text(),
             QStringLiteral("28125.00"));

    results->resize(kShotSize);
    QTRY_COMPARE(results->size(), kShotSize);
    for (DiagramId id : kDiagramIds)
        QTRY_VERIFY(results->area(id).picture_fits());
    save_picture(*results, QStringLiteral("results-window"));
}

// Every picture the guide names must be found by the help window, which shows the copy of the
// guide compiled into the program.
void ScreenshotTourTest::helpShowsTheGuidesPictures() {
    app_.trigger("mnucontents");
    auto* help = app_.window->findChild<HelpWindow*>();
    QVERIFY(help && help->isVisible());
    auto* browser = help->findChild<QTextBrowser*>(QStringLiteral("helpText"));
    QVERIFY(browser);
    QStringList pictures;
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (format.isImageFormat())
                pictures << format.toImageFormat().name();
        }
    }
    QCOMPARE(pictures, (QStringList{QStringLiteral("screenshots/main-window.png"),
                                    QStringLiteral("screenshots/results-window.png")}));
    for (const QString& name : pictures) {
        const QVariant loaded = browser->loadResource(QTextDocument::ImageResource, QUrl(name));
        QImage image;
        QVERIFY2(image.loadFromData(loaded.toByteArray()), qPrintable(name));
        QVERIFY2(image.width() > 500 && image.height() > 300, qPrintable(name));
    }
}

std::unique_ptr<QObject> make_screenshot_tour_suite() {
    return std::make_unique<ScreenshotTourTest>();
}

}  // namespace spanlyx::testing

#include "screenshot_tour_test.moc"
