// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/window.h"
#include "platform/window_manager.h"
#include "support/fake_desktop.h"

namespace movesta {
namespace {

class Sample : public Window {
public:
    explicit Sample(DesktopServices& desktop)
        : Window(desktop, "Sample")
    {}
    TextBox Text1{*this, "Text1"};
    Label Label1{*this, "Label1"};
    ListBox List1{*this, "List1"};
    ListBox List2{*this, "List2"};
    ComboBox Combo1{*this, "Combo1"};
    MenuItem item{*this, "item", "Item", "Del"};
};

TEST(Controls, ChangeRunsBeforeTheSetterReturnsAndHandlersNest)
{
    testing::FakeDesktop desktop;
    Sample w(desktop);
    std::vector<std::string> log;
    // A handler that cuts its own text: the nested Change runs inside the outer one.
    w.Text1.onChange = [&] {
        log.push_back("enter " + w.Text1.text());
        if (w.Text1.text().size() > 3)
            w.Text1.setText(w.Text1.text().substr(0, 3));
        w.Label1.setCaption(w.Text1.text());
        log.push_back("leave " + w.Text1.text());
    };
    w.Label1.onChange = [&] { log.push_back("label " + w.Label1.caption()); };

    w.Text1.setText("12345");
    EXPECT_EQ(w.Text1.text(), "123");
    const std::vector<std::string> expected{"enter 12345", "enter 123", "label 123", "leave 123",
                                            "leave 123"};
    EXPECT_EQ(log, expected);

    log.clear();
    w.Text1.setText("123"); // the text it already holds
    w.Label1.setCaption("123");
    EXPECT_TRUE(log.empty());
}

TEST(Controls, ListClickOnlyOnARealChangeOfSelection)
{
    testing::FakeDesktop desktop;
    Sample w(desktop);
    int clicks = 0;
    w.List1.onClick = [&] { ++clicks; };
    for (const char* t : {"a", "b", "c"})
        w.List1.addItem(t);
    EXPECT_EQ(w.List1.listIndex(), -1);
    EXPECT_EQ(w.List1.text(), "");

    w.List1.setListIndex(1);
    w.List1.setListIndex(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(w.List1.text(), "b");
    w.List1.setListIndex(7); // outside the list: ignored
    w.List1.setListIndex(-2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(w.List1.listIndex(), 1);

    // Removing the selected row or clearing leaves no selection and raises nothing.
    w.List1.setListIndex(2);
    w.List1.removeItem(0);
    EXPECT_EQ(w.List1.listIndex(), 1);
    EXPECT_EQ(w.List1.text(), "c");
    w.List1.removeItem(1);
    EXPECT_EQ(w.List1.listIndex(), -1);
    EXPECT_EQ(w.List1.text(), "");
    w.List1.setListIndex(0);
    w.List1.clear();
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(w.List1.listCount(), 0);
    EXPECT_EQ(w.List1.item(0), "");

    // A chain between two lists ends because an unchanged selection raises nothing.
    for (const char* t : {"x", "y"}) {
        w.List1.addItem(t);
        w.List2.addItem(t);
    }
    int chain = 0;
    w.List1.onClick = [&] {
        ++chain;
        w.List2.setListIndex(w.List1.listIndex());
    };
    w.List2.onClick = [&] {
        ++chain;
        w.List1.setListIndex(w.List2.listIndex());
    };
    w.List2.setListIndex(1);
    EXPECT_EQ(chain, 2);
    EXPECT_EQ(w.List1.listIndex(), 1);
}

TEST(Controls, ComboSelectionAndChoice)
{
    testing::FakeDesktop desktop;
    Sample w(desktop);
    int clicks = 0, changes = 0;
    w.Combo1.onClick = [&] { ++clicks; };
    w.Combo1.onChange = [&] { ++changes; };
    w.Combo1.setItems({"0", "5", "10"});
    w.Combo1.setListIndex(2);
    EXPECT_EQ(w.Combo1.text(), "10");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 0); // a selection is not an edit
    w.Combo1.setText("90");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(w.Combo1.listIndex(), 2);
    w.Combo1.setListIndex(2); // code: no change, nothing raised
    EXPECT_EQ(clicks, 1);
    w.Combo1.choose(2); // the user picked it again: counts, and the item's text comes back
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(w.Combo1.text(), "10");
    EXPECT_EQ(w.Combo1.keyPress('7'), '7');
    w.Combo1.onKeyPress = [](int) { return 0; };
    EXPECT_EQ(w.Combo1.keyPress('7'), 0);
}

TEST(Controls, FocusFailsUntilTheWindowIsShownAndHiddenMenuItemsDoNothing)
{
    testing::FakeDesktop desktop;
    Sample w(desktop);
    EXPECT_FALSE(w.Text1.setFocus());
    EXPECT_EQ(w.focusedControl(), nullptr);
    w.setShown(true);
    EXPECT_TRUE(w.Label1.setFocus());
    EXPECT_TRUE(w.Label1.hasFocus());

    int fired = 0;
    w.item.onClick = [&] { ++fired; };
    w.item.click();
    w.item.setEnabled(false);
    w.item.click();
    w.item.setEnabled(true);
    w.item.setVisible(false);
    w.item.click();
    EXPECT_EQ(fired, 1);
}

TEST(Controls, TextsAreCutByCharactersNotBytes)
{
    EXPECT_EQ(LeftCharacters("12345", 3), "123");
    EXPECT_EQ(LeftCharacters("7\xC3\xA9"
                             "89",
                             3),
              "7\xC3\xA9"
              "8"); // é is one character
    EXPECT_EQ(LeftCharacters("\xE2\x82\xAC\xE2\x82\xAC", 1), "\xE2\x82\xAC");
    EXPECT_EQ(LeftCharacters("ab", 3), "ab");
    EXPECT_EQ(CharacterCount("7\xC3\xA9"
                             "89"),
              4u);
}

class Counting : public Window {
public:
    Counting(DesktopServices& desktop, std::vector<std::string>& log)
        : Window(desktop, "Counting")
        , m_log(log)
    {}
    ~Counting() override { m_log.push_back("destroyed"); }
    void Form_Load() override
    {
        m_log.push_back(std::string("load shown=") + (isShown() ? "1" : "0"));
        m_log.push_back(std::string("focus=") + (Text1.setFocus() ? "1" : "0"));
    }
    void Form_Activate() override { m_log.push_back("activate"); }
    void exitFromHandler()
    {
        unload();
        m_log.push_back("handler still running: " + Text1.text());
    }
    TextBox Text1{*this, "Text1"};

private:
    std::vector<std::string>& m_log;
};

TEST(WindowManager, LoadsOnceShowsAfterLoadingAndUnloadsSafelyFromAHandler)
{
    testing::FakeDesktop desktop;
    std::vector<std::string> log;
    WindowManager windows;
    windows.registerForm("W", [&] { return std::make_unique<Counting>(desktop, log); });
    EXPECT_EQ(windows.show("nobody"), nullptr);

    Window* first = windows.show("W");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(windows.show("W"), first); // brought to the front, not loaded again
    const std::vector<std::string> expected{"load shown=0", "focus=0", "activate", "activate"};
    EXPECT_EQ(log, expected);

    log.clear();
    auto& counting = static_cast<Counting&>(*first);
    counting.Text1.setText("kept");
    counting.exitFromHandler();
    EXPECT_FALSE(windows.isLoaded("W"));
    EXPECT_EQ(log, std::vector<std::string>{"handler still running: kept"});
    windows.destroyUnloaded();
    EXPECT_EQ(log.back(), "destroyed");

    Window* again = windows.show("W");
    EXPECT_NE(again, nullptr);
    EXPECT_EQ(static_cast<Counting*>(again)->Text1.text(), ""); // afresh
}

// The recording desktop fails the test on a message box nobody expected and on an answer nobody used.
TEST(FakeDesktop, FailsOnAnUnexpectedMessageAndOnAnUnusedAnswer)
{
    EXPECT_NONFATAL_FAILURE(
        {
            testing::FakeDesktop desktop;
            EXPECT_EQ(desktop.messageBox("Delete all?", MessageButtons::YesNo, MessageIcon::None, ""),
                      kAnswerNo);
        },
        "unexpected message box: \"Delete all?\" (Movesta)");
    EXPECT_NONFATAL_FAILURE(
        {
            testing::FakeDesktop desktop;
            desktop.expectMessage(kAnswerYes);
        },
        "1 scripted message answer(s) never used");
}

} // namespace
} // namespace movesta
