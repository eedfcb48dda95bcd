// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening each calculator in the running program: the model is created, its Form_Load runs, its
// view is created and shown, until the first paint. The floor is a window of the same size with
// three combo boxes filled with the 478 catalogue names. Closing is not timed.

#include <QComboBox>
#include <QStringList>

#include <memory>

#include "bench_support.h"
#include "core/catalogue.h"

namespace movesta::bench {
namespace {

void openCalculator(benchmark::State& state, const char* id)
{
    BenchProgram program;
    QtWindowManager& windows = program.windows;
    for (auto _ : state) {
        const auto start = Clock::now();
        Window* window = windows.show(id);
        FormView* view = windows.viewOf(*window);
        const PaintCounter paints(view);
        const bool painted = WaitUntilPainted(view, paints);
        state.SetIterationTime(SecondsSince(start));
        if (!painted) {
            state.SkipWithError("the window was never painted");
            break;
        }
        window->unload();
        windows.destroyUnloaded();
        Settle();
    }
    if (!program.desktop.messages.empty())
        state.SkipWithError("a message box was shown");
}

void OpenPlanner(benchmark::State& state)
{
    openCalculator(state, kPlannerId);
}
BENCHMARK(OpenPlanner)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

void OpenTimeToBurn(benchmark::State& state)
{
    openCalculator(state, kTimeToBurnId);
}
BENCHMARK(OpenTimeToBurn)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The least any calculator window must do: a window of the planner's size with three combo boxes
// holding the catalogue names, filled in one call each, shown until painted.
void FloorThreeFilledCombos(benchmark::State& state)
{
    for (auto _ : state) {
        const auto start = Clock::now();
        auto window = std::make_unique<QWidget>();
        window->setWindowTitle(QStringLiteral("Energy Expenditure"));
        window->setFixedSize(791, 326);
        for (int i = 0; i < 3; ++i) {
            QStringList names;
            names.reserve(static_cast<qsizetype>(kCatalogue.size()));
            for (const CatalogueRow& row : kCatalogue)
                names.push_back(QString::fromUtf8(row.name.data(), static_cast<qsizetype>(row.name.size())));
            auto* combo = new QComboBox(window.get());
            combo->setEditable(true);
            combo->setGeometry(8, 8 + 32 * i, 288, 24);
            combo->addItems(names);
        }
        const PaintCounter paints(window.get());
        window->show();
        const bool painted = WaitUntilPainted(window.get(), paints);
        state.SetIterationTime(SecondsSince(start));
        if (!painted) {
            state.SkipWithError("the window was never painted");
            break;
        }
        window.reset();
        Settle();
    }
}
BENCHMARK(FloorThreeFilledCombos)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace
} // namespace movesta::bench

int main(int argc, char** argv)
{
    return movesta::bench::RunWindowBenchmarks(argc, argv);
}
