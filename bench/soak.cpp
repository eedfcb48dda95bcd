// A long planner session without the screen: 100,000 rows added, the report copied, every row
// deleted one by one. Prints the resident memory at each stage; it must come back to its start.

#include <malloc.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "main_window/form1.h"
#include "planner/form7.h"
#include "platform/desktop_services.h"
#include "platform/window_manager.h"

namespace {

class SoakDesktop : public movesta::DesktopServices {
public:
    int messageBox(const std::string& prompt, movesta::MessageButtons, movesta::MessageIcon,
                   const std::string&) override
    {
        std::fprintf(stderr, "unexpected message: %s\n", prompt.c_str());
        ++unexpected;
        return movesta::kAnswerOk;
    }
    void clearClipboard() override { clipboard.clear(); }
    void setClipboardText(const std::string& text) override { std::string(text).swap(clipboard); }
    void openAddress(const std::string&) override {}
    std::string productPageAddress() const override { return {}; }

    std::string clipboard;
    int unexpected = 0;
};

long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

} // namespace

int main()
{
    constexpr int kRows = 100000;
    SoakDesktop desktop;
    movesta::WindowManager windows;
    windows.registerForm(movesta::kMainWindowId,
                         [&] { return std::make_unique<movesta::Form1>(desktop, windows); });
    windows.registerForm(movesta::kPlannerId, [&] {
        return std::make_unique<movesta::Form7>(
            desktop, static_cast<movesta::Form1&>(*windows.find(movesta::kMainWindowId)));
    });
    auto& main = static_cast<movesta::Form1&>(*windows.show(movesta::kMainWindowId));
    main.Text1.setText("70");
    auto& planner = static_cast<movesta::Form7&>(*windows.show(movesta::kPlannerId));
    malloc_trim(0);
    const long start = residentKiB();

    for (int i = 0; i < kRows; ++i) {
        planner.Combo1.choose(i % 478);
        planner.Combo5.choose(i % 12);
        planner.Image5.click();
    }
    const long full = residentKiB();
    planner.kopi.click();
    const std::size_t reportBytes = desktop.clipboard.size();
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
    std::printf("soak: totals back to 0: %s, unexpected messages: %d\n", zero ? "yes" : "NO",
                desktop.unexpected);
    return zero && desktop.unexpected == 0 && emptied - start < 1024 ? 0 : 1;
}
