// spanlyx: the window program. Starts the main window over the user's data folder and runs
// until it is closed; ends with status 1 when the start-up cannot go on (a damaged settings
// file, no application-data folder).
//
// SPANLYX_STARTUP_TIMING=1 prints the time from the start of main to the first paint of the
// main window on standard error and then ends the program (docs/performance.md).

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <string>

#include "model/message.h"
#include "model/number_text.h"
#include "ui/app_services.h"
#include "ui/file_dialogs.h"
#include "ui/main_window.h"
#include "ui/message_box_prompter.h"
#include "ui/start_up.h"

namespace {

// Reports the first paint of the watched window, once.
class FirstPaintTimer final : public QObject {
  public:
    explicit FirstPaintTimer(const QElapsedTimer& clock) : clock_(clock) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            // Through the number-text module: QApplication has set the user's locale by now.
            const std::string ms =
                spanlyx::format_fixed(static_cast<double>(clock_.nsecsElapsed()) / 1e6, 1);
            std::fprintf(stderr, "spanlyx: main window painted %s ms after start\n", ms.c_str());
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    const QElapsedTimer& clock_;
    bool reported_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer clock;
    clock.start();
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("spanlyx %.*s\n", static_cast<int>(spanlyx::kProgramVersion.size()),
                        spanlyx::kProgramVersion.data());
            return 0;
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Spanlyx"));

    spanlyx::MessageBoxPrompter prompter;
    spanlyx::QtFileDialogs dialogs;
    spanlyx::AppServices services{prompter, dialogs};

    const std::unique_ptr<spanlyx::MainWindow> window = spanlyx::start_up(services);
    if (!window)
        return 1;
    prompter.set_parent(window.get());

    FirstPaintTimer timer(clock);
    if (qEnvironmentVariableIsSet("SPANLYX_STARTUP_TIMING"))
        window->installEventFilter(&timer);
    window->show();
    window->activateWindow();
    return QApplication::exec();
}
