// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Finding an activity by any word, per key typed into the planner's activity box:
//   MatchCatalogue  the search of all 478 names for the text typed so far (model only), per key
//   FirstSearch     the first key of a session: the names folded once, then searched
//   PopupUpdate     a key sent to the shown planner's box, the list of rows found updated, laid
//                   out and painted (offscreen), until the event loop is idle again
// Typing "swim lap" and taking it back with Backspace gives 16 keys, each timed on its own; the
// figure is the time per key, to hold against one frame (16.7 ms at 60 Hz).

#include <QKeyEvent>
#include <QListView>

#include <string>
#include <vector>

#include "bench_support.h"
#include "core/activity_search.h"
#include "core/catalogue.h"
#include "planner/form7.h"

namespace movesta::bench {
namespace {

const std::string kTyped = "swim lap";

std::vector<std::string> catalogueNames()
{
    std::vector<std::string> names;
    for (const CatalogueRow& row : kCatalogue)
        names.emplace_back(row.name);
    return names;
}

void MatchCatalogue(benchmark::State& state)
{
    const ActivitySearch search(catalogueNames());
    std::size_t length = 0;
    for (auto _ : state) {
        length = length % kTyped.size() + 1; // one key more of "swim lap", then again from "s"
        benchmark::DoNotOptimize(search.find(std::string_view(kTyped).substr(0, length)));
    }
}

void FirstSearch(benchmark::State& state)
{
    const std::vector<std::string> names = catalogueNames();
    for (auto _ : state) {
        const ActivitySearch search(names);
        benchmark::DoNotOptimize(search.find("s"));
    }
}

void sendKey(QWidget* box, Qt::Key key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(box, &press);
    QApplication::sendEvent(box, &release);
}

void PopupUpdate(benchmark::State& state)
{
    BenchProgram program;
    program.windows.find<Form1>()->Text1.setText("70");
    auto* planner = ShowPainted<Form7>(program.windows);
    FormView* view = planner ? program.windows.viewOf(*planner) : nullptr;
    QWidget* box = view ? view->widgetOf(planner->Combo1) : nullptr;
    auto* popup = view ? view->findChild<QListView*>(QStringLiteral("findPopup")) : nullptr;
    if (!box || !popup) {
        state.SkipWithError("no planner view");
        return;
    }
    box->setFocus();
    const PaintCounter paints(popup->viewport());
    int keys = 0;
    for (auto _ : state) {
        double seconds = 0;
        const auto timed = [&](Qt::Key key, const QString& text) {
            const auto start = Clock::now();
            sendKey(box, key, text);
            QCoreApplication::processEvents();
            seconds += SecondsSince(start);
            ++keys;
        };
        for (const char c : kTyped)
            timed(c == ' ' ? Qt::Key_Space : static_cast<Qt::Key>(Qt::Key_A + (c - 'a')),
                  QString(QLatin1Char(c)));
        if (!popup->isVisible() ||
            popup->model()->rowCount() != static_cast<int>(planner->FoundActivities().size()))
            state.SkipWithError("the rows found were not shown");
        for (std::size_t i = 0; i < kTyped.size(); ++i)
            timed(Qt::Key_Backspace, QString(QChar(8)));
        state.SetIterationTime(seconds / (2.0 * static_cast<double>(kTyped.size())));
    }
    state.counters["popup_paints_per_key"] =
        benchmark::Counter(static_cast<double>(paints.paints) / std::max(1, keys));
    planner->unload();
    program.windows.destroyUnloaded();
    Settle();
}

} // namespace
} // namespace movesta::bench

int main(int argc, char** argv)
{
    using namespace movesta::bench;
    benchmark::RegisterBenchmark("MatchCatalogue", MatchCatalogue)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("FirstSearch", FirstSearch)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("PopupUpdate", PopupUpdate)
        ->Iterations(50)
        ->Repetitions(3)
        ->DisplayAggregatesOnly(true)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
    return RunWindowBenchmarks(argc, argv);
}
