// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "diary/diary.h"
#include "diary/my_activities.h"
#include "e2e_support.h"
#include "planner/form7.h"
#include "platform/qt/pictures.h"
#include "time_to_burn/form4.h"

namespace movesta {
namespace {

using testing::press;
using testing::report;

void type(const char* text)
{
    for (const char* c = text; *c; ++c) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, *c);
    }
}

bool holdsFocus(const QWidget* widget)
{
    const QWidget* focused = QApplication::focusWidget();
    return widget && focused && (focused == widget || widget->isAncestorOf(focused));
}

// Tab until `target` holds the focus; false if a whole round of the window never reaches it.
bool tabTo(const QWidget* target, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    for (int i = 0; i < 40 && !holdsFocus(target); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
    return holdsFocus(target);
}

std::string textOf(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text().toStdString();
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text().toStdString();
    return "<no text>";
}

// A whole session, keys only: every key goes to the focused widget, and nothing is clicked or set
// on a model. Widgets are looked up only to know where the focus is and to read what they show.
TEST(KeyboardE2E, AWholeSessionWithoutTheMouse)
{
    testing::App app;
    const auto mainWidget = [&app](const Control& c) { return app.view(*app.form1)->widgetOf(c); };
    ASSERT_TRUE(holdsFocus(mainWidget(app.form1->Text1)));
    type("70");

    // The planner picture: Tab reaches it, Space opens the planner with the focus on the activity.
    ASSERT_TRUE(tabTo(mainWidget(app.form1->Image1)));
    press(Qt::Key_Space);
    auto* planner = app.windows->find<Form7>();
    ASSERT_NE(planner, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(app.view(*planner)));
    const auto widget = [&app, planner](const Control& c) { return app.view(*planner)->widgetOf(c); };
    ASSERT_TRUE(holdsFocus(widget(planner->Combo1)));

    // Accordion, 100 kg (the third digit sends the focus back to the activity), 2 h 30 min.
    press(Qt::Key_Down);
    press(Qt::Key_Tab);
    ASSERT_TRUE(holdsFocus(widget(planner->Text1)));
    type("100");
    ASSERT_TRUE(holdsFocus(widget(planner->Combo1)));
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    ASSERT_TRUE(holdsFocus(widget(planner->Combo4)));
    type("2");
    press(Qt::Key_Tab);
    ASSERT_TRUE(holdsFocus(widget(planner->Combo5)));
    type("30");
    EXPECT_EQ(textOf(widget(planner->Label19)), "Accordion, playing");
    EXPECT_EQ(textOf(widget(planner->Label14)), "1875,0");
    EXPECT_EQ(textOf(widget(planner->Label27)), "450,0");

    // Add with Return; Tab comes round to the activity, the next one, add with Space.
    ASSERT_TRUE(tabTo(widget(planner->Image5)));
    press(Qt::Key_Return);
    ASSERT_TRUE(tabTo(widget(planner->Combo1)));
    press(Qt::Key_Down);
    ASSERT_TRUE(tabTo(widget(planner->Image5), Qt::ShiftModifier));
    press(Qt::Key_Space);
    auto* names = qobject_cast<QAbstractItemView*>(widget(planner->List1));
    ASSERT_NE(names, nullptr);
    ASSERT_EQ(names->model()->rowCount(), 2);
    const std::string second = names->model()->index(1, 0).data().toString().toStdString();
    EXPECT_EQ(textOf(widget(planner->Label24)), "5");
    EXPECT_EQ(textOf(widget(planner->Label16)), "0");

    // Select the second row with the arrows and delete it with the menu's Del.
    ASSERT_TRUE(tabTo(names));
    press(Qt::Key_Down);
    EXPECT_EQ(names->currentIndex().row(), 1);
    EXPECT_EQ(textOf(widget(planner->Label19)), second);
    press(Qt::Key_Delete);
    ASSERT_EQ(names->model()->rowCount(), 1);
    EXPECT_EQ(textOf(widget(planner->Label24)), "2");
    EXPECT_EQ(textOf(widget(planner->Label16)), "30");
    EXPECT_EQ(textOf(widget(planner->Label21)), "450");

    // The link copies the report with Return, the picture beside it with Space.
    const std::string expected = report({"- Accordion, playing  - (2h:30min, 450,0 kcal)"}, "2", "30", "450");
    ASSERT_TRUE(tabTo(widget(planner->Label34)));
    press(Qt::Key_Return);
    EXPECT_EQ(app.desktop.clipboard, expected);
    app.desktop.clipboard.clear();
    press(Qt::Key_Tab);
    ASSERT_TRUE(holdsFocus(widget(planner->Image7)));
    press(Qt::Key_Space);
    EXPECT_EQ(app.desktop.clipboard, expected);
    EXPECT_EQ(app.desktop.clipboardLog,
              std::vector<std::string>({"clear", "set:" + expected, "clear", "set:" + expected}));

    // The Exit picture closes the planner.
    ASSERT_TRUE(tabTo(widget(planner->Image4)));
    press(Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&app] { return app.windows->find(kPlannerId) == nullptr; }));

    // Back in the main window, which a window manager activates when the planner goes (the
    // offscreen platform has none), Tab to the other calculator.
    ASSERT_TRUE(app.activate(*app.form1));
    ASSERT_TRUE(tabTo(mainWidget(app.form1->Image3)));
    press(Qt::Key_Return);
    auto* burn = app.windows->find<Form4>();
    ASSERT_NE(burn, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(app.view(*burn)));
    const auto burnWidget = [&app, burn](const Control& c) { return app.view(*burn)->widgetOf(c); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return holdsFocus(burnWidget(burn->Text1)); }));
    EXPECT_EQ(textOf(burnWidget(burn->Text1)), "70");
    press(Qt::Key_A, Qt::ControlModifier);
    type("80");
    press(Qt::Key_Tab);
    ASSERT_TRUE(holdsFocus(burnWidget(burn->Text2)));
    type("300");
    ASSERT_TRUE(tabTo(burnWidget(burn->List1)));
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(textOf(burnWidget(burn->Label6)), "Aerobic, low impact");
    EXPECT_EQ(textOf(burnWidget(burn->Label14)), "Time required to burn 300 kcal for Aerobic, low impact:");
    EXPECT_EQ(textOf(burnWidget(burn->Label13)), "45 min");

    // Shift+Tab back to the exit picture, Return closes the window.
    ASSERT_TRUE(tabTo(burnWidget(burn->Image2), Qt::ShiftModifier));
    press(Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&app] { return app.windows->find(kTimeToBurnId) == nullptr; }));
    EXPECT_TRUE(app.desktop.messages.empty());
}

// Opens both calculators from the main window, each on top of it in turn.
struct ThreeWindows {
    testing::App app;
    Form7* planner = nullptr;
    Form4* burn = nullptr;

    ThreeWindows()
    {
        app.form1->Text1.setText("70");
        app.form1->Image1.click();
        planner = app.windows->find<Form7>();
        app.form1->Image3.click();
        burn = app.windows->find<Form4>();
    }
    QWidget* widget(const Window& w, const Control& c) const { return app.view(w)->widgetOf(c); }
};

// Tab walks each window in its order and comes round to its start; Shift+Tab walks it backwards.
// The unit options are one stop, at the selected option; the arrows choose the other, as in any
// group of option buttons.
TEST(KeyboardE2E, TabAndShiftTabWalkEachWindowInItsOrder)
{
    ThreeWindows s;
    ASSERT_TRUE(s.planner && s.burn);
    const Form1& f1 = *s.app.form1;
    const Form7& f7 = *s.planner;
    const Form4& f4 = *s.burn;
    const struct {
        const Window& window;
        std::vector<const Control*> order;
    } windows[] = {
        {f1, {&f1.Text1, &f1.Option1, &f1.Image1, &f1.Image3, &f1.Image2}},
        {f7,
         {&f7.Combo1, &f7.Text1, &f7.Combo4, &f7.Combo5, &f7.List1, &f7.Image6, &f7.Image4, &f7.Image3,
          &f7.Image2, &f7.Image5, &f7.Label34, &f7.Image7}},
        {f4, {&f4.List1, &f4.Text1, &f4.Text2, &f4.Image1, &f4.Image2}},
    };
    for (const auto& w : windows) {
        ASSERT_TRUE(s.app.activate(w.window)) << w.window.caption();
        QWidget* first = s.widget(w.window, *w.order.front());
        first->setFocus(Qt::TabFocusReason);
        for (const Qt::KeyboardModifiers direction : {Qt::NoModifier, Qt::ShiftModifier}) {
            const std::size_t n = w.order.size();
            for (std::size_t step = 1; step <= n; ++step) {
                press(Qt::Key_Tab, direction);
                const Control& expected = *w.order[direction == Qt::NoModifier ? step % n : (n - step) % n];
                EXPECT_TRUE(holdsFocus(s.widget(w.window, expected)))
                    << w.window.caption() << ": " << (direction == Qt::NoModifier ? "Tab " : "Shift+Tab ")
                    << step << " should reach " << expected.name() << ", reached "
                    << QApplication::focusWidget()->metaObject()->className();
            }
        }
    }
    ASSERT_TRUE(s.app.activate(f1));
    ASSERT_TRUE(tabTo(s.widget(f1, f1.Option1)));
    press(Qt::Key_Right);
    EXPECT_TRUE(f1.Option2.value());
    EXPECT_EQ(s.app.widget<QLineEdit>(f1, f1.Text1)->text(), "");
    // The unit's handler sends the focus to the weight box, as a click does.
    QTest::qWait(0);
    EXPECT_TRUE(holdsFocus(s.widget(f1, f1.Text1)));
    ASSERT_TRUE(tabTo(s.widget(f1, f1.Option2)));
    press(Qt::Key_Tab);
    EXPECT_TRUE(holdsFocus(s.widget(f1, f1.Image1)));
}

// A mouse click on a picture or the link acts as before and leaves the focus where it was; a
// disabled or hidden picture is not reached by Tab and no key runs it.
TEST(KeyboardE2E, TheMouseActsWithoutTakingTheFocusAndSkippedPicturesStaySkipped)
{
    ThreeWindows s;
    Form7& f7 = *s.planner;
    ASSERT_TRUE(s.app.activate(f7));
    QWidget* combo = s.widget(f7, f7.Combo1);
    ASSERT_TRUE(holdsFocus(combo));
    for (const Control* clicked : std::initializer_list<const Control*>{&f7.Label34, &f7.Image7}) {
        QWidget* w = s.widget(f7, *clicked);
        EXPECT_EQ(w->focusPolicy(), Qt::TabFocus) << clicked->name();
        EXPECT_EQ(w->cursor().shape(), Qt::BitmapCursor) << clicked->name();
        QTest::mouseClick(w, Qt::LeftButton);
        EXPECT_TRUE(holdsFocus(combo)) << clicked->name();
    }
    EXPECT_EQ(s.app.desktop.clipboardLog.size(), 4u); // two reports, each a clear and a set

    f7.Image5.setEnabled(false);
    f7.Image3.setVisible(false);
    for (int i = 0; i < 20; ++i) {
        press(Qt::Key_Tab);
        EXPECT_FALSE(holdsFocus(s.widget(f7, f7.Image5)));
        EXPECT_FALSE(holdsFocus(s.widget(f7, f7.Image3)));
    }
    QTest::keyClick(s.widget(f7, f7.Image5), Qt::Key_Space);
    EXPECT_EQ(f7.List1.listCount(), 0);
}

// Space runs a click when it is let go, as on a push button, and not when the focus left first;
// held-down keys repeat nothing; keys with Ctrl or Shift are left to shortcuts.
TEST(KeyboardE2E, ClickKeysRunTheClickOnceAndOnlyThen)
{
    QWidget window;
    PictureButton picture(QStringLiteral("add.svg"), &window);
    QLineEdit other(&window);
    picture.setFocusPolicy(Qt::TabFocus);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    int clicks = 0;
    QObject::connect(&picture, &PictureButton::clicked, [&clicks] { ++clicks; });
    const struct {
        const char* what;
        std::function<void()> keys;
        int clicks;
    } cases[] = {
        {"Space", [&] { QTest::keyClick(&picture, Qt::Key_Space); }, 1},
        {"Space pressed only", [&] { QTest::keyPress(&picture, Qt::Key_Space); }, 0},
        {"then let go", [&] { QTest::keyRelease(&picture, Qt::Key_Space); }, 1},
        {"Space pressed, focus gone, let go",
         [&] {
             QTest::keyPress(&picture, Qt::Key_Space);
             other.setFocus();
             picture.setFocus();
             QTest::keyRelease(&picture, Qt::Key_Space);
         },
         0},
        {"Return", [&] { QTest::keyClick(&picture, Qt::Key_Return); }, 1},
        {"Enter", [&] { QTest::keyClick(&picture, Qt::Key_Enter, Qt::KeypadModifier); }, 1},
        {"Return held down",
         [&] {
             QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
             QApplication::sendEvent(&picture, &repeat);
         },
         0},
        {"Ctrl+Return", [&] { QTest::keyClick(&picture, Qt::Key_Return, Qt::ControlModifier); }, 0},
        {"Shift+Space", [&] { QTest::keyClick(&picture, Qt::Key_Space, Qt::ShiftModifier); }, 0},
        {"a letter", [&] { QTest::keyClick(&picture, Qt::Key_A); }, 0},
    };
    picture.setFocus();
    for (const auto& c : cases) {
        clicks = 0;
        c.keys();
        EXPECT_EQ(clicks, c.clicks) << c.what;
    }
}

// The ring: the highlight colour two pixels wide (at any scale) and the highlight's text colour
// inside it, around the picture or the link's text and outside them, above whatever lies there;
// nothing of it while the focus is elsewhere. MOVESTA_FOCUS_PICTURES=DIR saves what the controls
// look like with and without the focus.
TEST(KeyboardE2E, AFocusedPictureOrLinkShowsTheRing)
{
    ThreeWindows s;
    Form7& f7 = *s.planner;
    ASSERT_TRUE(s.app.activate(f7));
    QWidget* surface = s.app.view(f7)->client();
    const std::pair<const Control*, const char*> controls[] = {
        {&f7.Image5, "add"}, {&f7.Image4, "exit"}, {&f7.Label34, "copy_link"}};
    for (const auto& [control, picture] : controls) {
        QWidget* w = s.widget(f7, *control);
        const QColor ring = w->palette().color(QPalette::Active, QPalette::Highlight);
        const QColor inner = w->palette().color(QPalette::Active, QPalette::HighlightedText);
        // The link's ring goes round its text, which starts at its left edge; a picture's round it.
        const auto* link = qobject_cast<LinkButton*>(w);
        const QRect area =
            link ? QRect(w->x(), w->y() + (w->height() - w->fontMetrics().height()) / 2,
                         w->fontMetrics().horizontalAdvance(link->text()), w->fontMetrics().height())
                 : w->geometry();
        const QRect around =
            area.adjusted(-kFocusRingWidth, -kFocusRingWidth, kFocusRingWidth, kFocusRingWidth);
        const auto pixel = [](const QImage& image, QPoint logical) {
            return image.pixelColor(logical * image.devicePixelRatio());
        };
        const QPoint corners[] = {
            {0, 0}, {1, 1}, {around.width() - 1, around.height() - 1}, {around.width() - 2, 1}};
        s.widget(f7, f7.Combo1)->setFocus();
        const QImage plain = surface->grab(around).toImage();
        for (const QPoint p : corners)
            EXPECT_NE(pixel(plain, p), ring) << control->name();
        ASSERT_TRUE(tabTo(w));
        const QImage focused = surface->grab(around).toImage();
        for (const QPoint p : corners)
            EXPECT_EQ(pixel(focused, p), ring) << control->name() << " at " << p.x() << "," << p.y();
        EXPECT_EQ(pixel(focused, {2, around.height() / 2}), inner) << control->name();
        EXPECT_EQ(pixel(focused, {kFocusRingWidth + 4, kFocusRingWidth + 4}),
                  pixel(plain, {kFocusRingWidth + 4, kFocusRingWidth + 4}))
            << control->name() << ": the ring covers what it surrounds";
        if (qEnvironmentVariableIsSet("MOVESTA_FOCUS_PICTURES")) {
            // The control with what lies around it, as the person sees it.
            const QString dir = qEnvironmentVariable("MOVESTA_FOCUS_PICTURES");
            const QString name = QStringLiteral("/planner_") + QLatin1String(picture);
            const QString suffix =
                focused.devicePixelRatio() > 1 ? QStringLiteral("@2x.png") : QStringLiteral(".png");
            const QRect wider = w->geometry().adjusted(-40, -24, 40, 24);
            QDir().mkpath(dir);
            surface->grab(wider).save(dir + name + QStringLiteral("_focused") + suffix);
            s.widget(f7, f7.Combo1)->setFocus();
            surface->grab(wider).save(dir + name + suffix);
        }
    }
}

// A screen reader sees each picture as a push button with its name, focusable, whose press action
// runs the click; the link as a link. What it reads of the other controls is what it always was.
TEST(KeyboardE2E, ScreenReadersSeePushButtonsThatPress)
{
    ThreeWindows s;
    const Form1& f1 = *s.app.form1;
    const Form7& f7 = *s.planner;
    const Form4& f4 = *s.burn;
    const struct {
        const Window& window;
        const Control& control;
        QAccessible::Role role;
        const char* name;
    } buttons[] = {
        {f1, f1.Image1, QAccessible::Button, "Energy expenditure of selected physical activities"},
        {f1, f1.Image3, QAccessible::Button,
         "Time required to burn calories during selected physical activity"},
        {f1, f1.Image2, QAccessible::Button, "https://movesta.example/"},
        {f7, f7.Image6, QAccessible::Button, "Movesta product page"},
        {f7, f7.Image4, QAccessible::Button, "Exit"},
        {f7, f7.Image3, QAccessible::Button, "Delete Selected"},
        {f7, f7.Image2, QAccessible::Button, "Delete All"},
        {f7, f7.Image5, QAccessible::Button, "Dodaj"},
        {f7, f7.Label34, QAccessible::Button, "Copy to Clipboard"},
        {f7, f7.Image7, QAccessible::Button, "Copy to Clipboard"},
        {f4, f4.Image1, QAccessible::Button, "Movesta product page"},
        {f4, f4.Image2, QAccessible::Button, "Izlaz"},
    };
    for (const auto& b : buttons) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(s.widget(b.window, b.control));
        ASSERT_NE(a, nullptr) << b.control.name();
        EXPECT_EQ(a->role(), b.role) << b.control.name();
        EXPECT_EQ(a->text(QAccessible::Name).toStdString(), b.name) << b.control.name();
        EXPECT_TRUE(a->state().focusable) << b.control.name();
        ASSERT_NE(a->actionInterface(), nullptr) << b.control.name();
        EXPECT_EQ(a->actionInterface()->actionNames().value(0), QAccessibleActionInterface::pressAction())
            << b.control.name();
    }
    // The press action of the time-to-burn banner opens the product page, from the event loop.
    QAccessibleInterface* banner = QAccessible::queryAccessibleInterface(s.widget(f4, f4.Image1));
    banner->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(s.app.desktop.opened.empty());
    EXPECT_TRUE(QTest::qWaitFor([&s] { return s.app.desktop.opened.size() == 1; }));
    // A label that shows a value is still read as that value.
    QAccessibleInterface* total = QAccessible::queryAccessibleInterface(s.widget(f7, f7.Label21));
    EXPECT_EQ(total->role(), QAccessible::StaticText);
    EXPECT_EQ(total->text(QAccessible::Name), "0");
}

// The diary by keys alone: Ctrl+D saves the day, Ctrl+J opens the window, Tab walks calendar,
// rows, chart and buttons in that order and round, each named for a screen reader; the arrows
// choose a day and Space on a button runs it.
TEST(KeyboardE2E, TheDiaryIsWalkedAndUsedByKeys)
{
    testing::App app;
    app.form1->Text1.setText("70");
    app.form1->Image1.click();
    Form7& planner = *app.windows->find<Form7>();
    planner.Combo1.choose(0);
    planner.Image5.click();
    ASSERT_TRUE(app.activate(planner));
    app.desktop.expectDate("2026-12-08");
    press(Qt::Key_D, Qt::ControlModifier);
    press(Qt::Key_J, Qt::ControlModifier);
    Diary* diary = app.windows->find<Diary>();
    ASSERT_NE(diary, nullptr);
    ASSERT_TRUE(app.activate(*diary));
    const Control* walk[] = {&diary->Month,         &diary->Activities,  &diary->Chart,
                             &diary->OpenInPlanner, &diary->DeleteEntry, &diary->Export};
    ASSERT_TRUE(tabTo(app.view(*diary)->widgetOf(diary->Month)));
    for (std::size_t i = 1; i <= std::size(walk); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QWidget* expected = app.view(*diary)->widgetOf(*walk[i % std::size(walk)]);
        EXPECT_TRUE(holdsFocus(expected)) << walk[i % std::size(walk)]->name();
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(const_cast<QWidget*>(expected))
                         ->text(QAccessible::Name)
                         .isEmpty())
            << walk[i % std::size(walk)]->name();
    }
    EXPECT_EQ(app.view(*diary)->widgetOf(diary->Chart)->accessibleDescription().toStdString(),
              diary->Chart.description());

    // From the 9th, one day back is the day saved; its row goes to the planner by Space.
    ASSERT_TRUE(holdsFocus(app.view(*diary)->widgetOf(diary->Month)));
    press(Qt::Key_Left);
    EXPECT_EQ(diary->Month.date(), "2026-12-08");
    EXPECT_EQ(diary->Activities.listCount(), 1);
    ASSERT_TRUE(tabTo(app.view(*diary)->widgetOf(diary->OpenInPlanner)));
    app.desktop.expectMessage(kAnswerYes); // the planner's list is not empty
    press(Qt::Key_Space);
    EXPECT_EQ(planner.List1.listCount(), 1);
    EXPECT_TRUE(app.desktop.messages.size() == 1u);
}

// F1 in each window, whichever control has the focus, opens the product page at that window's part.
TEST(KeyboardE2E, F1OpensTheHelpAtTheWindowsOwnPart)
{
    ThreeWindows s;
    ASSERT_TRUE(s.planner && s.burn && s.app.activate(*s.planner));
    press(Qt::Key_J, Qt::ControlModifier); // the diary
    ASSERT_TRUE(s.app.activate(*s.planner));
    press(Qt::Key_M, Qt::ControlModifier); // my activities
    for (const char* id : {kMainWindowId, kPlannerId, kTimeToBurnId, Diary::kId, MyActivities::kId}) {
        const Window& window = *s.app.windows->find(id);
        ASSERT_TRUE(s.app.activate(window)) << id;
        press(Qt::Key_F1);
        const std::string page = s.app.desktop.productPageAddress();
        const std::string help =
            page.substr(0, page.rfind('/') + 1) + "help-" + window.helpSection() + ".html";
        EXPECT_EQ(s.app.desktop.opened, std::vector<std::string>{help}) << id;
        s.app.desktop.opened.clear();
    }
}

} // namespace
} // namespace movesta
