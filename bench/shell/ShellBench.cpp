// The program's start and the main window's activation, on a working folder
// that is a fresh copy of the installation tree, with the offscreen platform.
// Targets: from creating the state and the windows to the main window shown
// and its first activation done, under 1 s; one activation with its chart
// computation, under 20 ms.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <filesystem>
#include <memory>
#include <string>

#include "QxApplication.h"
#include "ShellState.h"
#include "StartUp.h"
#include "TFoMorva.h"

namespace {

namespace fs = std::filesystem;

// A working folder copied from the installation tree, removed at the end.
struct WorkingCopy {
  fs::path root;
  explicit WorkingCopy(int n) {
    root = fs::temp_directory_path() / ("qxmorva-shell-bench-" + std::to_string(::getpid()) + "-" + std::to_string(n));
    fs::remove_all(root);
    fs::copy(QX_DATA_DIR, root, fs::copy_options::recursive);
  }
  ~WorkingCopy() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
};

std::optional<qx::Extended> a4PrinterWidth() { return qx::Extended(4960); }

void waitForActivations(qx::TFoMorva& window, int count) {
  while (window.activationCount() < count) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void BM_ColdStartToFirstActivation(benchmark::State& run) {
  int n = 0;
  for (auto _ : run) {
    run.PauseTiming();
    auto copy = std::make_unique<WorkingCopy>(n++);
    run.ResumeTiming();

    qx::ShellState state(qx::WorkFolder(copy->root), {QX_DATA_DIR});
    std::unique_ptr<qx::TFoMorva> window = qx::startUp(state, a4PrinterWidth);
    waitForActivations(*window, 1);
    benchmark::DoNotOptimize(window->activationCount());

    run.PauseTiming();
    window.reset();
    copy.reset();
    run.ResumeTiming();
  }
}
BENCHMARK(BM_ColdStartToFirstActivation)->Unit(benchmark::kMillisecond)->Iterations(10);

// The activation as a window's closing brings it: every settings file, the
// user name, the orb settings and the current subject read again, the chart
// computed, the window's controls updated.
void BM_MainWindowActivation(benchmark::State& run) {
  WorkingCopy copy(0);
  qx::ShellState state(qx::WorkFolder(copy.root), {QX_DATA_DIR});
  std::unique_ptr<qx::TFoMorva> window = qx::startUp(state, a4PrinterWidth);
  waitForActivations(*window, 1);
  for (auto _ : run) {
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(window.get(), &deactivate);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &activate);
  }
  if (window->activationCount() < int(run.iterations())) run.SkipWithError("the activation did not run");
}
BENCHMARK(BM_MainWindowActivation)->Unit(benchmark::kMillisecond);

// The same steps without the window: the state's activation alone.
void BM_ShellStateActivation(benchmark::State& run) {
  WorkingCopy copy(0);
  qx::ShellState state(qx::WorkFolder(copy.root), {QX_DATA_DIR});
  state.startUp(1920, 1080);
  for (auto _ : run) {
    qx::ActivationView view;
    state.activate(652, 495, view);
    benchmark::DoNotOptimize(view);
  }
}
BENCHMARK(BM_ShellStateActivation)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // The windows draw on the offscreen platform.
  char program[] = "shell_bench";
  char platformOption[] = "-platform";
  char platform[] = "offscreen";
  char* qtArgv[] = {program, platformOption, platform, nullptr};
  int qtArgc = 3;
  qx::QxApplication app(qtArgc, qtArgv);

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
