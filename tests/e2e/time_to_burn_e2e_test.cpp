// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTest>

#include "core/catalogue.h"
#include "e2e_support.h"
#include "platform/qt/twips.h"
#include "time_to_burn/form4.h"

namespace movesta {
namespace {

// The main window with a weight typed in, and the time-to-burn window opened from its picture.
struct TimeToBurnSession {
    testing::App app;
    Form4* form = nullptr;

    explicit TimeToBurnSession(const char* weight)
    {
        auto* mainWeight = app.widget<QLineEdit>(*app.form1, app.form1->Text1);
        QTest::keyClicks(mainWeight, weight);
        QTest::mouseClick(app.view(*app.form1)->widgetOf(app.form1->Image3), Qt::LeftButton);
        form = app.windows->find<Form4>();
        if (form)
            app.activate(*form);
    }
    template <class T>
    T* widget(const Control& control) const
    {
        return app.widget<T>(*form, control);
    }
    void pickRow(int row) const
    {
        auto* list = widget<QListView>(form->List1);
        list->scrollTo(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(row, 0)).center());
    }
    void retype(QLineEdit* box, const char* keys) const
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, keys);
    }
};

bool focusReaches(const QWidget* box)
{
    return QTest::qWaitFor([box] { return QApplication::focusWidget() == box; });
}

TEST(TimeToBurnE2E, WeightFromTheMainWindowAndResultsOfPickedRows)
{
    TimeToBurnSession session("70");
    ASSERT_NE(session.form, nullptr);
    Form4& form = *session.form;
    EXPECT_EQ(session.app.view(form)->windowTitle(), "Time required to burn calories");
    auto* weight = session.widget<QLineEdit>(form.Text1);
    auto* energy = session.widget<QLineEdit>(form.Text2);
    auto* list = session.widget<QListView>(form.List1);
    auto* activity = session.widget<QLabel>(form.Label6);
    auto* heading = session.widget<QLabel>(form.Label14);
    auto* result = session.widget<QLabel>(form.Label13);
    ASSERT_TRUE(weight && energy && list && activity && heading && result);
    EXPECT_EQ(weight->text(), "70");
    EXPECT_EQ(energy->text(), "200");
    EXPECT_EQ(list->model()->rowCount(), static_cast<int>(kCatalogueRows));
    EXPECT_EQ(list->currentIndex().row(), -1);
    EXPECT_EQ(result->text(), "");
    EXPECT_TRUE(focusReaches(weight));

    session.pickRow(2);
    EXPECT_EQ(activity->text(), "Aerobic, low impact");
    EXPECT_EQ(heading->text(), "Time required to burn 200 kcal for Aerobic, low impact:");
    EXPECT_EQ(result->text(), "34 min");

    // the keyboard picks too: the next row is "Aerobic, general", 5,9 kcal
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(result->text(), "29 min");
    EXPECT_EQ(activity->text(), "Aerobic, general");

    // letters never arrive, the fourth digit is cut, backspace works
    session.retype(weight, "12x34");
    EXPECT_EQ(weight->text(), "123");
    QTest::keyClick(weight, Qt::Key_Backspace);
    EXPECT_EQ(weight->text(), "12");
    EXPECT_EQ(form.Text1.text(), "12");
    session.retype(energy, "3a00");
    EXPECT_EQ(energy->text(), "300");
    EXPECT_EQ(result->text(), "29 min"); // nothing computes until a row is picked
    session.pickRow(9);
    EXPECT_EQ(result->text(), "6 h : 15 min");
    EXPECT_EQ(heading->text(), "Time required to burn 300 kcal for Bakery, general:");

    // an emptied weight turns red and is refused with the message; the result stays
    session.retype(weight, "");
    EXPECT_EQ(weight->palette().color(QPalette::Base), QColor(255, 0, 0));
    session.app.desktop.expectMessage(kAnswerOk);
    session.pickRow(0);
    ASSERT_EQ(session.app.desktop.messages.size(), 1u);
    EXPECT_EQ(session.app.desktop.messages[0].prompt, "Enter the weight and energy expenditure!");
    EXPECT_EQ(activity->text(), "Accordion, playing");
    EXPECT_EQ(result->text(), "6 h : 15 min");
    QTest::keyClicks(weight, "05");
    EXPECT_NE(weight->palette().color(QPalette::Base), QColor(255, 0, 0));
}

TEST(TimeToBurnE2E, ComingBackFromTheMainWindowPutsTheFocusInTheWeightBox)
{
    TimeToBurnSession session("80");
    ASSERT_NE(session.form, nullptr);
    auto* weight = session.widget<QLineEdit>(session.form->Text1);
    auto* energy = session.widget<QLineEdit>(session.form->Text2);
    ASSERT_TRUE(focusReaches(weight));
    energy->setFocus();
    QTest::keyClicks(energy, "5");
    ASSERT_TRUE(focusReaches(energy));

    ASSERT_TRUE(session.app.activate(*session.app.form1));
    ASSERT_TRUE(session.app.activate(*session.form));
    EXPECT_TRUE(focusReaches(weight));
    EXPECT_TRUE(session.form->Text1.hasFocus());

    // the main window's picture only brings the open window forward: nothing is loaded again
    ASSERT_TRUE(session.app.activate(*session.app.form1));
    QTest::mouseClick(session.app.view(*session.app.form1)->widgetOf(session.app.form1->Image3),
                      Qt::LeftButton);
    EXPECT_EQ(session.app.windows->find(kTimeToBurnId), session.form);
    EXPECT_EQ(energy->text(), "2005");
    EXPECT_TRUE(QTest::qWaitForWindowActive(session.app.view(*session.form)));
    EXPECT_TRUE(focusReaches(weight));
}

TEST(TimeToBurnE2E, PicturesOpenTheProductPageAndCloseTheWindow)
{
    TimeToBurnSession session("70");
    ASSERT_NE(session.form, nullptr);
    FormView* view = session.app.view(*session.form);
    QWidget* banner = view->widgetOf(session.form->Image1);
    QWidget* exit = view->widgetOf(session.form->Image2);
    ASSERT_TRUE(banner && exit);
    EXPECT_EQ(exit->toolTip(), "Izlaz");
    EXPECT_EQ(exit->accessibleName(), "Izlaz");
    EXPECT_EQ(banner->accessibleName(), "Movesta product page");
    EXPECT_EQ(banner->cursor().shape(), Qt::BitmapCursor); // the hand pointer
    QTest::mouseClick(banner, Qt::LeftButton);
    ASSERT_EQ(session.app.desktop.opened.size(), 1u);
    EXPECT_EQ(session.app.desktop.opened[0], session.app.desktop.productPageAddress());

    session.retype(session.widget<QLineEdit>(session.form->Text2), "500");
    session.pickRow(9);
    QTest::mouseClick(exit, Qt::LeftButton);
    EXPECT_EQ(session.app.windows->find(kTimeToBurnId), nullptr);
    QApplication::processEvents(); // the deferred destruction of the unloaded window

    // typed again in the main window, then opened afresh
    auto* mainWeight = session.app.widget<QLineEdit>(*session.app.form1, session.app.form1->Text1);
    mainWeight->selectAll();
    QTest::keyClicks(mainWeight, "65");
    QTest::mouseClick(session.app.view(*session.app.form1)->widgetOf(session.app.form1->Image3),
                      Qt::LeftButton);
    auto* again = session.app.windows->find<Form4>();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(session.app.widget<QLineEdit>(*again, again->Text1)->text(), "65");
    EXPECT_EQ(session.app.widget<QLineEdit>(*again, again->Text2)->text(), "200");
    EXPECT_EQ(session.app.widget<QLabel>(*again, again->Label13)->text(), "");
    EXPECT_EQ(session.app.widget<QLabel>(*again, again->Label14)->text(), "");
    EXPECT_EQ(session.app.widget<QListView>(*again, again->List1)->currentIndex().row(), -1);

    // the frame's close box unloads it as well
    session.app.view(*again)->close();
    EXPECT_EQ(session.app.windows->find(kTimeToBurnId), nullptr);
    QApplication::processEvents();
}

// Every caption must be readable: a line label holds its text, a wrapping one all its lines.
void expectTextsFit(const FormView& view, const std::string& where)
{
    for (const QLabel* label : view.client()->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        if (label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height())
                << where << label->text().toStdString();
        } else {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                << where << label->text().toStdString();
        }
    }
}

TEST(TimeToBurnE2E, LayoutStylesAndCaptionsThatFitForEveryActivity)
{
    TimeToBurnSession session("1");
    ASSERT_NE(session.form, nullptr);
    Form4& form = *session.form;
    const FormView& view = *session.app.view(form);
    EXPECT_EQ(view.client()->size(), QSize(663, 434));
    EXPECT_EQ(view.widgetOf(form.Text1)->geometry(), twipsRect(1200, 960, 615, 285));
    EXPECT_EQ(view.widgetOf(form.Text2)->geometry(), twipsRect(4680, 960, 615, 285));
    EXPECT_EQ(view.widgetOf(form.List1)->geometry(), twipsRect(240, 2160, 9375, 2790));
    EXPECT_EQ(view.widgetOf(form.Image1)->geometry(), twipsRect(1920, 120, 5775, 615));
    EXPECT_EQ(view.widgetOf(form.Image2)->geometry(), twipsRect(9120, 120, 480, 480));
    EXPECT_EQ(view.widgetOf(form.List2), nullptr);
    EXPECT_EQ(view.widgetOf(form.List3), nullptr);

    auto* result = session.widget<QLabel>(form.Label13);
    EXPECT_EQ(result->accessibleDescription(), "Result"); // described: the value is read as the name
    EXPECT_TRUE(result->accessibleName().isEmpty());
    EXPECT_TRUE(result->font().bold());
    EXPECT_EQ(result->font().pointSize(), 20);
    EXPECT_TRUE(result->autoFillBackground());
    EXPECT_EQ(result->palette().color(QPalette::Window), view.palette().color(QPalette::Highlight));
    EXPECT_EQ(result->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(session.widget<QLineEdit>(form.Text2)->palette().color(QPalette::Base),
              view.palette().color(QPalette::Highlight));

    // tab order: the list, the weight, the energy
    auto* list = session.widget<QListView>(form.List1);
    list->setFocus();
    ASSERT_TRUE(focusReaches(list));
    QTest::keyClick(list, Qt::Key_Tab);
    EXPECT_TRUE(focusReaches(session.widget<QLineEdit>(form.Text1)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(focusReaches(session.widget<QLineEdit>(form.Text2)));

    // the longest results come with a weight of 1 and a large energy
    form.Text2.setText("99999");
    for (std::size_t row = 0; row < kCatalogueRows; ++row) {
        form.List1.setListIndex(static_cast<int>(row));
        QApplication::processEvents(); // the result box is refitted before it paints
        expectTextsFit(view, "row " + std::to_string(row) + ": ");
        if (::testing::Test::HasFailure())
            break;
    }
    EXPECT_TRUE(result->geometry().contains(twipsRect(3720, 5640, 2535, 495)));
    EXPECT_TRUE(view.client()->rect().contains(result->geometry()));
}

} // namespace
} // namespace movesta
