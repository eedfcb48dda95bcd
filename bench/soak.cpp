// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A long planner session without the screen: 100,000 rows added, the report copied, every row
// deleted one by one. Prints the resident memory at each stage; it must come back to its start.

#include <malloc.h>

#include <cstdio>
#include <string>
#include <vector>

#include "process_memory.h"
#include "support/headless_program.h"

namespace {

long residentKiB()
{
    return movesta::bench::ProcessStatusKiB("VmRSS");
}

} // namespace

int main()
{
    constexpr int kRows = 100000;
    // A message box would be a failure: the fake stops the soak with it.
    movesta::testing::HeadlessProgram program;
    movesta::Form7& planner = program.openPlanner("70");
    malloc_trim(0);
    const long start = residentKiB();

    for (int i = 0; i < kRows; ++i) {
        planner.Combo1.choose(i % 478);
        planner.Combo5.choose(i % 12);
        planner.Image5.click();
    }
    const long full = residentKiB();
    planner.kopi.click();
    const std::size_t reportBytes = program.desktop.clipboard.size();
    std::vector<std::string>().swap(program.desktop.clipboardLog); // the fake's record is no concern
    const long copied = residentKiB();
    while (planner.List1.listCount() > 0) {
        planner.List4.setListIndex(planner.List1.listCount() - 1);
        planner.br_p.click();
    }
    // The report buffer and the clipboard keep the last report until the next copy replaces it.
    planner.kopi.click();
    malloc_trim(0);
    const long emptied = residentKiB();

    const bool zero = planner.Label24.caption() == "0" && planner.Label16.caption() == "0" &&
                      planner.Label18.caption() == "0" && planner.Label21.caption() == "0";
    std::printf(
        "soak: %d rows added, report of %zu bytes copied, all deleted one by one, empty report copied\n",
        kRows, reportBytes);
    std::printf("soak: resident memory KiB: start %ld, full %ld, after copy %ld, emptied %ld (%+ld)\n", start,
                full, copied, emptied, emptied - start);
    std::printf("soak: totals back to 0: %s\n", zero ? "yes" : "NO");
    return zero && emptied - start < 1024 ? 0 : 1;
}
