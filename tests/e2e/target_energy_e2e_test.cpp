// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The target energy on real widgets: the number dialog by itself, and the planner's target set
// from its menu by keyboard.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <string>

#include "e2e_support.h"
#include "planner/form7.h"
#include "platform/qt/number_dialog.h"

namespace movesta {
namespace {

constexpr int kJogging = 198; // "Jogging, general": 6,9 kcal per hour and kilogram

const DesktopServices::NumberQuestion kQuestion{"Target Energy", "Target energy expenditure (kcal):", "1500",
                                                5};

TEST(NumberDialog, TheBoxTakesTypedDigitsOnlyAndFiveAtMost)
{
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"2000", "2000"}, {"12a3", "123"}, {"1,5", "15"}, {"-7 .8", "78"}, {"1234567", "12345"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        NumberDialog dialog(kQuestion, nullptr);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        EXPECT_EQ(QApplication::focusWidget(), dialog.box());
        EXPECT_EQ(dialog.box()->selectedText(), "1500"); // typing replaces the current number
        QTest::keyClicks(QApplication::focusWidget(), c.typed);
        EXPECT_EQ(dialog.answer(), c.shown);
    }
}

TEST(NumberDialog, ReturnAnswersEscapeAndCancelChangeNothing)
{
    const struct {
        const char* name;
        std::function<void(NumberDialog&)> close;
        int result;
    } cases[] = {
        {"Return", [](NumberDialog& d) { QTest::keyClick(d.box(), Qt::Key_Return); }, QDialog::Accepted},
        {"Escape", [](NumberDialog& d) { QTest::keyClick(d.box(), Qt::Key_Escape); }, QDialog::Rejected},
        {"Cancel",
         [](NumberDialog& d) {
             QTest::mouseClick(d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel),
                               Qt::LeftButton);
         },
         QDialog::Rejected},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NumberDialog dialog(kQuestion, nullptr);
        QSignalSpy finished(&dialog, &QDialog::finished);
        dialog.open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        EXPECT_EQ(dialog.windowTitle(), "Target Energy");
        // Screen readers name the box by its caption, whose buddy it is.
        const auto* caption = dialog.findChild<QLabel*>();
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(caption->text(), "Target energy expenditure (kcal):");
        EXPECT_EQ(caption->buddy(), dialog.box());
        EXPECT_EQ(dialog.box()->accessibleName(), "Target energy expenditure (kcal)");
        c.close(dialog);
        ASSERT_EQ(finished.size(), 1);
        EXPECT_EQ(finished[0][0].toInt(), c.result);
        EXPECT_FALSE(dialog.isVisible());
    }
}

class TargetEnergyE2E : public ::testing::Test {
protected:
    testing::App app;
    Form7* planner = nullptr;

    void SetUp() override
    {
        // Number dialogs are the real one; the rest of the desktop stays faked.
        app.desktop.answerNumbers([](const DesktopServices::NumberQuestion& question) {
            return AskNumberInDialog(question, QApplication::activeWindow());
        });
        auto* mainWeight = app.widget<QLineEdit>(*app.form1, app.form1->Text1);
        QTest::keyClicks(mainWeight, "70");
        QTest::mouseClick(app.view(*app.form1)->widgetOf(app.form1->Image1), Qt::LeftButton);
        planner = app.windows->find<Form7>();
        ASSERT_NE(planner, nullptr);
        ASSERT_TRUE(app.activate(*planner));
    }
    QWidget* widget(const Control& control) const { return app.view(*planner)->widgetOf(control); }
    std::string shown(const Label& label) const
    {
        const auto* w = qobject_cast<QLabel*>(widget(label));
        return w ? w->text().toStdString() : "<no widget>";
    }
    // Ctrl+T in the weight box; once the dialog is up, `keys` types into what has the focus there.
    // The dialog is closed by force if the keys leave it open, so that a fault cannot hang the run.
    void setTarget(const std::string& keys, const std::string& expectedInBox)
    {
        bool typed = false;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<NumberDialog*>(QApplication::activeModalWidget());
            if (!dialog || typed || !dialog->isActiveWindow())
                return;
            typed = true;
            QWidget* focused = QApplication::focusWidget();
            EXPECT_EQ(focused, dialog->box());
            EXPECT_EQ(dialog->answer(), expectedInBox);
            QTest::keyClicks(focused, QString::fromStdString(keys));
            QTest::keyClick(focused, keys == "\x1b" ? Qt::Key_Escape : Qt::Key_Return);
            QTimer::singleShot(2000, dialog, &QDialog::reject);
        });
        poll.start();
        QWidget* weight = widget(planner->Text1);
        weight->setFocus();
        QTest::keyClick(weight, Qt::Key_T, Qt::ControlModifier);
        EXPECT_TRUE(typed);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        // The keyboard is back in the planner, so its shortcuts act again.
        EXPECT_TRUE(QTest::qWaitForWindowActive(app.view(*planner)));
    }
    void addJoggingForAnHour()
    {
        planner->Combo1.choose(kJogging);
        planner->Combo4.setText("1");
        planner->Combo5.setText("0");
        QTest::mouseClick(widget(planner->Image5), Qt::LeftButton);
    }
    std::string copyReport()
    {
        QTest::keyClick(widget(planner->Text1), Qt::Key_C, Qt::ControlModifier);
        return app.desktop.clipboard;
    }
};

TEST_F(TargetEnergyE2E, SetFromTheMenuByKeyboardFollowedByTheShareAndTheReport)
{
    const std::string before = copyReport();
    setTarget("15x00", "");
    const std::vector<const Control*> row = {&planner->Label20, &planner->Label23, &planner->Label26,
                                             &planner->Line5};
    for (const Control* control : row)
        EXPECT_TRUE(widget(*control)->isVisible()) << control->name();
    EXPECT_EQ(shown(planner->Label20), "Ciljana energetska potro\u0161nja:");
    EXPECT_EQ(shown(planner->Label23), "1500");
    EXPECT_EQ(shown(planner->Label26), "kcal");
    EXPECT_EQ(shown(planner->Label25), "0 %");
    const QWidget* target = widget(planner->Label23);
    EXPECT_EQ(target->palette().color(QPalette::Window), target->palette().color(QPalette::Highlight));
    EXPECT_EQ(target->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_TRUE(target->font().bold());

    // The row takes room that is empty without it: the window keeps its size, and every shown
    // widget stays inside it, clear of the others, its caption whole.
    const QWidget* client = app.view(*planner)->client();
    EXPECT_EQ(client->size(), QSize(791, 326));
    std::vector<const Control*> shownControls;
    for (const Control* control : planner->controls()) {
        const QWidget* w = widget(*control);
        // The five list boxes are one table.
        const auto seen = [&](const Control* other) { return widget(*other) == w; };
        if (!w || !w->isVisible() || std::any_of(shownControls.begin(), shownControls.end(), seen))
            continue;
        EXPECT_TRUE(client->rect().contains(w->geometry())) << control->name();
        for (const Control* other : shownControls) {
            EXPECT_FALSE(w->geometry().intersects(widget(*other)->geometry()))
                << control->name() << " covers " << other->name();
        }
        shownControls.push_back(control);
        if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->wordWrap()) {
            EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()),
                      label->contentsRect().width())
                << control->name();
        }
    }

    addJoggingForAnHour();
    EXPECT_EQ(shown(planner->Label25), "32 %");
    addJoggingForAnHour();
    EXPECT_EQ(shown(planner->Label21), "966,0");
    EXPECT_EQ(shown(planner->Label25), "64 %");
    const std::string report = copyReport();
    EXPECT_TRUE(report.ends_with(" = 966,0 kcal\r\nTarget energy expenditure = 1500 kcal (64 %)")) << report;

    // Escape leaves the target; an emptied box removes it, and the report is as before it.
    setTarget("\x1b", "1500");
    EXPECT_EQ(shown(planner->Label23), "1500");
    setTarget("\b", "1500");
    for (const Control* control : row)
        EXPECT_FALSE(widget(*control)->isVisible()) << control->name();
    EXPECT_EQ(shown(planner->Label25), "");
    EXPECT_EQ(copyReport(), report.substr(0, report.find("\r\nTarget")));
    EXPECT_NE(before, copyReport());
}

} // namespace
} // namespace movesta
