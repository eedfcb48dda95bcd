// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The planner's list operations at 1,000, 10,000 and 100,000 rows, in the running program with
// the planner's view shown (offscreen). Each benchmark reports the time per row or per operation:
//   Add          AddSelectedActivity from an empty list up to N rows, event loop run at the end
//   SelectRow    List4 set to a random row, then the event loop (repaint included), per operation
//   DeleteLast   the last row selected and deleted, then the event loop, per operation
//   DeleteMiddle the middle row selected and deleted, then the event loop, per operation
//   CopyReport   the report of N rows put on the clipboard, per row (counter total_ms: the whole),
//                after one untimed copy of the same rows; each sample copies 100,000 rows in all
// With --peak-memory=model|view ROWS it measures instead the peak resident memory of a process that
// fills the planner's list to ROWS rows: the window models alone, or the program with the planner
// shown (its views). It prints "peak_kib <value>" from VmHWM.

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <utility>

#include "bench_support.h"
#include "planner/form7.h"
#include "process_memory.h"
#include "support/headless_program.h"

namespace movesta::bench {
namespace {

// Operations measured per benchmark at a given list size.
constexpr int kOperations = 500;

// The program with the planner open: weight 70, "Accordion, playing" for 1 h 30 min chosen.
class PlannerSession {
public:
    PlannerSession()
    {
        m_program.windows.find<Form1>()->Text1.setText("70");
        open();
    }

    Form7& planner() const { return *m_planner; }
    int messages() const { return static_cast<int>(m_program.desktop.messages.size()); }

    // A freshly loaded planner, shown and painted, with the activity and duration chosen.
    void reopen()
    {
        m_planner->unload();
        m_program.windows.destroyUnloaded();
        Settle();
        open();
    }

    // Brings the list to exactly `rows` rows (not timed).
    void ensureRows(int rows)
    {
        if (m_planner->List1.listCount() > rows)
            reopen();
        while (m_planner->List1.listCount() < rows)
            m_planner->Image5.click();
        Settle();
    }

private:
    void open()
    {
        m_planner = ShowPainted<Form7>(m_program.windows);
        m_planner->Combo1.choose(0);
        m_planner->Combo4.choose(1);
        m_planner->Combo5.choose(6);
        Settle();
    }

    BenchProgram m_program;
    Form7* m_planner = nullptr;
};

// One session for all the benchmarks, so that a list built by one is measured by the next.
std::unique_ptr<PlannerSession> theSession;

PlannerSession& session()
{
    if (!theSession)
        theSession = std::make_unique<PlannerSession>();
    return *theSession;
}

// Ends a benchmark with an error if a message box came up: the operation measured had failed.
void checkNoMessage(benchmark::State& state, int messagesBefore)
{
    if (session().messages() != messagesBefore)
        state.SkipWithError("a message box was shown");
}

void Add(benchmark::State& state)
{
    const auto rows = static_cast<int>(state.range(0));
    const int messages = session().messages();
    for (auto _ : state) {
        session().reopen();
        Form7& planner = session().planner();
        const auto start = Clock::now();
        for (int i = 0; i < rows; ++i)
            planner.Image5.click();
        Settle();
        state.SetIterationTime(SecondsSince(start) / rows);
        if (planner.List4.listCount() != rows)
            state.SkipWithError("rows missing");
    }
    checkNoMessage(state, messages);
}

void SelectRow(benchmark::State& state)
{
    const auto rows = static_cast<int>(state.range(0));
    session().ensureRows(rows);
    Form7& planner = session().planner();
    std::mt19937 random(8);
    std::uniform_int_distribution<int> row(0, rows - 1);
    const int messages = session().messages();
    for (auto _ : state) {
        const auto start = Clock::now();
        for (int i = 0; i < kOperations; ++i) {
            planner.List4.setListIndex(row(random));
            QCoreApplication::processEvents();
        }
        state.SetIterationTime(SecondsSince(start) / kOperations);
    }
    checkNoMessage(state, messages);
}

void deleteRows(benchmark::State& state, bool middle)
{
    const auto rows = static_cast<int>(state.range(0));
    const int messages = session().messages();
    for (auto _ : state) {
        session().ensureRows(rows);
        Form7& planner = session().planner();
        const auto start = Clock::now();
        for (int i = 0; i < kOperations; ++i) {
            const int count = planner.List1.listCount();
            planner.List1.setListIndex(middle ? count / 2 : count - 1);
            planner.br_p.click();
            QCoreApplication::processEvents();
        }
        state.SetIterationTime(SecondsSince(start) / kOperations);
        if (planner.List3.listCount() != rows - kOperations)
            state.SkipWithError("a row was not deleted");
    }
    checkNoMessage(state, messages);
}

void DeleteLast(benchmark::State& state)
{
    deleteRows(state, false);
}

void DeleteMiddle(benchmark::State& state)
{
    deleteRows(state, true);
}

void CopyReport(benchmark::State& state)
{
    const auto rows = static_cast<int>(state.range(0));
    session().ensureRows(rows);
    Form7& planner = session().planner();
    // One copy first, not timed: the first report of a size finds no memory of that size yet
    // (fresh pages for megabytes of text), which is a cost of the first copy, not of a row.
    planner.kopi.click();
    Settle();
    const int messages = session().messages();
    double total = 0;
    // Every sample reports 100,000 rows, in as many copies as that takes: a 1,000-row copy lasts
    // a fraction of a millisecond, where one page fault more or less would move the figure.
    const int copies = std::max(1, 100000 / rows);
    for (auto _ : state) {
        const auto start = Clock::now();
        for (int i = 0; i < copies; ++i) {
            planner.kopi.click();
            Settle();
        }
        const double elapsed = SecondsSince(start) / copies;
        total += elapsed;
        state.SetIterationTime(elapsed / rows);
    }
    state.counters["total_ms"] = benchmark::Counter(total * 1000 / static_cast<double>(state.iterations()));
    checkNoMessage(state, messages);
}

void registerAll()
{
    using Function = void (*)(benchmark::State&);
    const std::pair<const char*, Function> benchmarks[] = {
        {"Add", Add},
        {"SelectRow", SelectRow},
        {"CopyReport", CopyReport},
        {"DeleteLast", DeleteLast},
        {"DeleteMiddle", DeleteMiddle},
    };
    for (const int rows : {1000, 10000, 100000}) {
        for (const auto& [name, function] : benchmarks) {
            benchmark::RegisterBenchmark(name, function)
                ->Arg(rows)
                ->Iterations(1)
                // Short runs are the noisiest on a shared machine: they are repeated more (the
                // report takes the median).
                ->Repetitions(rows >= 100000  ? 3
                              : rows >= 10000 ? 5
                                              : 9)
                ->DisplayAggregatesOnly(true)
                ->UseManualTime()
                ->Unit(benchmark::kMicrosecond);
        }
    }
}

// Fills the list to `rows` rows with the models alone, or with the program and its views shown.
int peakMemory(int argc, char** argv, bool withViews, int rows)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Form7* planner = nullptr;
    std::unique_ptr<testing::HeadlessProgram> models;
    if (withViews) {
        theSession = std::make_unique<PlannerSession>();
        planner = &theSession->planner();
    } else {
        models = std::make_unique<testing::HeadlessProgram>();
        planner = &models->openPlanner("70");
        planner->Combo1.choose(0);
        planner->Combo4.choose(1);
        planner->Combo5.choose(6);
    }
    // The event loop runs between clicks, as in a session: what a click leaves queued (repaints,
    // layouts) does not pile up over thousands of rows.
    for (int i = 1; i <= rows; ++i) {
        planner->Image5.click();
        if (i % 1000 == 0)
            Settle();
    }
    planner->List4.setListIndex(rows / 2);
    Settle();
    const bool filled = planner->List1.listCount() == rows;
    theSession.reset();
    std::printf("peak_kib %ld\n", ProcessStatusKiB("VmHWM"));
    return filled ? 0 : 1;
}

} // namespace
} // namespace movesta::bench

int main(int argc, char** argv)
{
    if (argc == 3 && std::strncmp(argv[1], "--peak-memory=", 14) == 0) {
        const bool withViews = std::strcmp(argv[1] + 14, "view") == 0;
        return movesta::bench::peakMemory(argc, argv, withViews, std::atoi(argv[2]));
    }
    movesta::bench::registerAll();
    return movesta::bench::RunWindowBenchmarks(argc, argv, [] { movesta::bench::theSession.reset(); });
}
