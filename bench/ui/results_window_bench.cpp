// The results window over a beam of about a million sampled points (ten 1000 mm spans in
// system M4, bench/data/ten-millimetre-spans.cb): from the window opening to its diagrams drawn
// (the sweep included), a redraw of the diagrams (" Draw "), a pick on a diagram and a typed
// look-up. Runs on Qt's offscreen platform unless QT_QPA_PLATFORM names another.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWidget>
#include <ctime>
#include <memory>

#include "session/analysis_session.h"
#include "storage/beam_file.h"
#include "ui/app_services.h"
#include "ui/diagram_area.h"
#include "ui/file_dialogs.h"
#include "ui/prompter.h"
#include "ui/results_window.h"

namespace spanlyx {
namespace {

class SilentPrompter final : public Prompter {
  public:
    PromptAnswer show(const Message&, PromptButtons) override { return PromptAnswer::Ok; }
};

class NoFileDialogs final : public FileDialogs {
  public:
    std::optional<QString> open_path(QWidget*, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> save_path(QWidget*, const QString&, const QString&,
                                     const QString&) override {
        return std::nullopt;
    }
};

// The beam analysed once; each window sweeps it again, as the program does.
struct Bench {
    QTemporaryDir folder;
    SilentPrompter prompter;
    NoFileDialogs dialogs;
    AppServices services{prompter, dialogs};
    Settings settings;
    QWidget main_window;
    std::unique_ptr<AnalysisSession> session;
    bool ready = false;

    Bench() {
        const BeamReadResult read =
            read_beam_file(SPANLYX_SOURCE_DIR "/bench/data/ten-millimetre-spans.cb");
        if (!read.beam || !folder.isValid())
            return;
        settings.units = read.beam->units;
        session =
            std::make_unique<AnalysisSession>(DataFolder{folder.path().toStdString(), "bench"});
        const CalculateRun run = session->calculate(*read.beam, settings, "bench.cb", std::tm{});
        ready = run.outcome.status == CalculateStatus::Analysed && !run.file_error;
    }

    ResultsWindow* open() {
        auto* window = new ResultsWindow(*session, settings, "bench.cb", services, main_window);
        window->resize(1280, 860);
        window->show();
        window->start();
        return window;
    }
};

Bench& bench() {
    static Bench shared;
    return shared;
}

void BM_ResultsWindowOpenToDrawn(benchmark::State& state) {
    Bench& b = bench();
    if (!b.ready) {
        state.SkipWithError("the benchmark beam was not analysed");
        return;
    }
    for (auto _ : state) {
        ResultsWindow* window = b.open();
        state.PauseTiming();
        state.counters["area_px"] = window->area(DiagramId::Shear).width();
        window->close();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["samples"] = static_cast<double>(b.session->response()->sample_count);
}
BENCHMARK(BM_ResultsWindowOpenToDrawn)->Unit(benchmark::kMillisecond)->Iterations(5);

struct OpenWindow {
    ResultsWindow* window = bench().ready ? bench().open() : nullptr;
    ~OpenWindow() {
        if (window)
            window->close();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

void BM_ResultsWindowRedraw(benchmark::State& state) {
    const OpenWindow open;
    if (!open.window) {
        state.SkipWithError("the benchmark beam was not analysed");
        return;
    }
    for (auto _ : state)
        open.window->draw();
}
BENCHMARK(BM_ResultsWindowRedraw)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_ResultsWindowPick(benchmark::State& state) {
    const OpenWindow open;
    if (!open.window) {
        state.SkipWithError("the benchmark beam was not analysed");
        return;
    }
    double x = 0;
    for (auto _ : state) {
        open.window->pick(x, 1000);
        x = x >= 1000 ? 0 : x + 7.3;
    }
}
BENCHMARK(BM_ResultsWindowPick)->Unit(benchmark::kMicrosecond);

void BM_ResultsWindowTypedLookUp(benchmark::State& state) {
    const OpenWindow open;
    if (!open.window) {
        state.SkipWithError("the benchmark beam was not analysed");
        return;
    }
    auto* span = open.window->findChild<QLineEdit*>(QStringLiteral("cursors"));
    auto* x = open.window->findChild<QLineEdit*>(QStringLiteral("cursorx"));
    auto* shear = open.window->findChild<QLineEdit*>(QStringLiteral("cursorv"));
    int step = 0;
    for (auto _ : state) {
        span->setText(QString::number(1 + step % 10));
        x->setText(QString::number(step % 1000) + QStringLiteral(".25"));
        ++step;
    }
    if (shear->text().isEmpty())
        state.SkipWithError("the typed look-up found nothing");
}
BENCHMARK(BM_ResultsWindowTypedLookUp)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace spanlyx

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
