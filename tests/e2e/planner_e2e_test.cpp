// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QWheelEvent>

#include <functional>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "planner/form7.h"
#include "platform/qt/qt_desktop_services.h"

namespace movesta {
namespace {

using testing::press;
using testing::report;

constexpr int kAccordion = 0; // "Accordion, playing": 7,5 kJ and 1,8 kcal per hour and kilogram

// Lets queued work (deferred deletion, list layouts) run until `done` holds; false if it never
// does within a few seconds. A guard against hanging, not a measurement.
bool waitUntil(const std::function<bool()>& done)
{
    for (int i = 0; i < 500 && !done(); ++i)
        QTest::qWait(10);
    return done();
}

void click(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton);
}

// Picks an item the way the user does: the popup opens, the pointer rests on the item (which
// makes it current) and Return takes it.
void pick(QComboBox* combo, int row)
{
    ASSERT_NE(combo, nullptr);
    combo->showPopup();
    QAbstractItemView* popup = combo->view();
    ASSERT_TRUE(waitUntil([popup] { return popup->isVisible(); }));
    popup->setCurrentIndex(combo->model()->index(row, 0));
    QTest::keyClick(popup, Qt::Key_Return);
    ASSERT_TRUE(waitUntil([popup] { return !popup->isVisible(); }));
}

using testing::ClickRow;
using testing::TableColumn;

// The part of `area` (in `widget`'s coordinates, logical pixels) where something is drawn over
// the plain `background`; empty if nothing is.
QRect ink(QWidget* widget, QRect area, QColor background)
{
    const QImage image = widget->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    QRect found;
    for (int y = qRound(area.top() * ratio); y < qRound((area.bottom() + 1) * ratio); ++y)
        for (int x = qRound(area.left() * ratio); x < qRound((area.right() + 1) * ratio); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int distance = qAbs(c.red() - background.red()) + qAbs(c.green() - background.green()) +
                                 qAbs(c.blue() - background.blue());
            if (distance > 120)
                found |= QRect(qFloor(x / ratio), qFloor(y / ratio), 1, 1);
        }
    return found;
}

// The rightmost column where a label's text is drawn, or a list row's, in `client` coordinates.
int rightmostInk(QWidget* widget, const QWidget* client)
{
    const QRect drawn = ink(widget, widget->rect(), widget->palette().color(QPalette::Window));
    return drawn.isEmpty() ? -1 : widget->mapTo(client, drawn.topRight()).x();
}
int rightmostInk(const TableColumn& column, int row, const QWidget* client)
{
    QWidget* viewport = column.table->viewport();
    const QRect drawn = ink(viewport, column.cellRect(row), column.table->palette().color(QPalette::Base));
    return drawn.isEmpty() ? -1 : viewport->mapTo(client, drawn.topRight()).x();
}

class PlannerE2E : public ::testing::Test {
protected:
    testing::App app;
    Form7* planner = nullptr;

    // Types the weight into the main window and clicks its planner picture.
    void open(const char* weight = "70")
    {
        auto* mainWeight = app.widget<QLineEdit>(*app.form1, app.form1->Text1);
        ASSERT_NE(mainWeight, nullptr);
        ASSERT_TRUE(app.activate(*app.form1));
        mainWeight->selectAll();
        QTest::keyClicks(mainWeight, weight);
        click(app.view(*app.form1)->widgetOf(app.form1->Image1));
        planner = app.windows->find<Form7>();
        ASSERT_NE(planner, nullptr);
        ASSERT_NE(view(), nullptr);
        ASSERT_TRUE(app.activate(*planner));
    }
    FormView* view() const { return app.view(*planner); }
    template <class T>
    T* widget(const Control& control) const
    {
        return app.widget<T>(*planner, control);
    }
    std::string shown(const Label& label) const
    {
        const QLabel* widget = this->widget<QLabel>(label);
        return widget ? widget->text().toStdString() : "<no widget>";
    }
    std::vector<TableColumn> lists() const { return testing::PlannerColumns(app, *planner); }
    // The five columns of one row as the widgets show them.
    std::vector<std::string> row(int index) const
    {
        std::vector<std::string> texts;
        for (const TableColumn& list : lists())
            texts.push_back(index < list.rows() ? list.text(index) : "<none>");
        return texts;
    }
    std::vector<std::string> totals() const
    {
        return {shown(planner->Label24), shown(planner->Label16), shown(planner->Label18),
                shown(planner->Label21)};
    }
    // The selected row of each column and whether it is highlighted; -1 for none.
    std::vector<int> selectedRows() const
    {
        std::vector<int> rows;
        for (const TableColumn& list : lists())
            rows.push_back(list.selectedRow());
        return rows;
    }
    // Adds rows through the model: the scenarios below are about what the widgets then show.
    void addRows(int count, int hours = 1, int minutes = 0)
    {
        for (int i = 0; i < count; ++i) {
            planner->Combo1.choose(i);
            planner->Combo4.setText(std::to_string(hours));
            planner->Combo5.setText(std::to_string(minutes));
            planner->Image5.click();
        }
    }
};

TEST_F(PlannerE2E, WeightActivityAndMinutesChosenOnScreenShowInThePreview)
{
    open("70");
    EXPECT_EQ(view()->windowTitle().toStdString(), "Energy Expenditure");
    EXPECT_EQ(view()->client()->size(), QSize(791, 326));
    auto* combo1 = widget<QComboBox>(planner->Combo1);
    ASSERT_NE(combo1, nullptr);
    EXPECT_TRUE(combo1->hasFocus());
    EXPECT_EQ(widget<QLineEdit>(planner->Text1)->text().toStdString(), "70");
    EXPECT_EQ(widget<QComboBox>(planner->Combo4)->currentText().toStdString(), "1");
    EXPECT_EQ((std::vector<std::string>{shown(planner->Label28), shown(planner->Label29),
                                        shown(planner->Label14), shown(planner->Label27)}),
              (std::vector<std::string>{"0", "0", "", ""}));

    pick(combo1, kAccordion);
    EXPECT_EQ(shown(planner->Label19), "Accordion, playing");
    EXPECT_EQ(shown(planner->Label14), "525,0");
    pick(widget<QComboBox>(planner->Combo5), 6);
    EXPECT_EQ(widget<QComboBox>(planner->Combo5)->currentText().toStdString(), "30");
    EXPECT_EQ((std::vector<std::string>{shown(planner->Label28), shown(planner->Label29),
                                        shown(planner->Label14), shown(planner->Label27)}),
              (std::vector<std::string>{"1", "30", "787,5", "189,0"}));

    // A second click on the main window's picture brings the same planner back, as it was.
    auto* weight = widget<QLineEdit>(planner->Text1);
    weight->setFocus();
    weight->selectAll();
    QTest::keyClicks(weight, "65");
    EXPECT_EQ(planner->Text1.text(), "65");
    FormView* firstView = view();
    ASSERT_TRUE(app.activate(*app.form1));
    click(app.view(*app.form1)->widgetOf(app.form1->Image1));
    EXPECT_EQ(app.windows->find(kPlannerId), planner);
    EXPECT_EQ(view(), firstView);
    EXPECT_TRUE(QTest::qWaitForWindowActive(firstView));
    EXPECT_EQ(weight->text().toStdString(), "65");
    EXPECT_EQ(shown(planner->Label19), "Accordion, playing");
    EXPECT_EQ(shown(planner->Label14), "787,5");
}

TEST_F(PlannerE2E, AddPictureAppendsTheRowToEveryColumnAndUpdatesTheTotals)
{
    open("70");
    // Nothing chosen yet: the message, the focus in the weight box, no row.
    app.desktop.expectMessage(kAnswerOk);
    click(widget<QWidget>(planner->Image5));
    ASSERT_EQ(app.desktop.messages.size(), 1u);
    EXPECT_EQ(app.desktop.messages[0].title, "Gre\u0161ka!");
    EXPECT_TRUE(widget<QLineEdit>(planner->Text1)->hasFocus());
    for (const TableColumn& list : lists())
        EXPECT_EQ(list.rows(), 0);

    pick(widget<QComboBox>(planner->Combo1), kAccordion);
    pick(widget<QComboBox>(planner->Combo5), 6);
    click(widget<QWidget>(planner->Image5));
    ASSERT_EQ(lists()[4].rows(), 1);
    EXPECT_EQ(row(0), (std::vector<std::string>{"Accordion, playing", "1", "30", "787,5", "189,0"}));
    EXPECT_EQ(totals(), (std::vector<std::string>{"1", "30", "787,5", "189,0"}));

    click(widget<QWidget>(planner->Image5));
    for (const TableColumn& list : lists())
        EXPECT_EQ(list.rows(), 2);
    EXPECT_EQ(row(1), row(0));
    EXPECT_EQ(totals(), (std::vector<std::string>{"3", "0", "1575,0", "378,0"}));
    EXPECT_EQ(selectedRows(), (std::vector<int>{-1, -1, -1, -1, -1}));

    const QLabel* kcal = widget<QLabel>(planner->Label21);
    EXPECT_TRUE(kcal->autoFillBackground());
    EXPECT_EQ(kcal->palette().color(QPalette::Window).name().toStdString(), "#000000");
    EXPECT_EQ(kcal->palette().color(QPalette::WindowText).name().toStdString(), "#00ff00");
    EXPECT_TRUE(kcal->font().bold());
    EXPECT_EQ(kcal->font().pointSize(), 10);
}

TEST_F(PlannerE2E, ColumnsLineUpAndEveryCaptionFitsItsBox)
{
    open("70");
    const QRect client = view()->client()->rect();
    const std::vector<TableColumn> columns = lists();
    for (const TableColumn& list : columns) {
        EXPECT_EQ(list.box->y(), columns[0].box->y());
        EXPECT_EQ(list.box->height(), columns[0].box->height());
    }
    // Where a control is drawn: a list box as its column's box.
    const auto place = [&](const Control& control) {
        for (const TableColumn& column : columns)
            if (dynamic_cast<const ListBox*>(&control) &&
                column.box->objectName().toStdString() == control.name())
                return column.box->geometry();
        return view()->widgetOf(control)->geometry();
    };
    // Heading, preview, list and total of a number column share its left edge and width.
    const std::vector<std::vector<const Control*>> stacks = {
        {&planner->Label9, &planner->Label28, &planner->List2, &planner->Label24},
        {&planner->Label10, &planner->Label29, &planner->List5, &planner->Label16},
        {&planner->Label12, &planner->Label14, &planner->List3, &planner->Label18},
        {&planner->Label15, &planner->Label27, &planner->List4, &planner->Label21},
        {&planner->Label19, &planner->Label17, &planner->List1, &planner->Label22},
    };
    for (const auto& stack : stacks) {
        const QRect list = place(*stack[2]);
        for (const Control* control : stack) {
            ASSERT_NE(view()->widgetOf(*control), nullptr) << control->name();
            EXPECT_EQ(place(*control).x(), list.x()) << control->name();
            EXPECT_EQ(place(*control).width(), list.width()) << control->name();
        }
        for (std::size_t i = 1; i < stack.size(); ++i)
            EXPECT_LE(place(*stack[i - 1]).bottom(), place(*stack[i]).top()) << stack[i]->name();
    }
    // The last digits of a column's unit heading, preview, row and total stand one under the other.
    addRows(1);
    for (std::size_t s = 0; s + 1 < stacks.size(); ++s) { // the number columns
        const auto& stack = stacks[s];
        const int rowInk = rightmostInk(columns[s + 1], 0, view()->client());
        ASSERT_GT(rowInk, 0) << stack[2]->name();
        for (const Control* label : {stack[0], stack[1], stack[3]}) {
            QWidget* w = view()->widgetOf(*label);
            EXPECT_NEAR(rightmostInk(w, view()->client()), rowInk, 2) << label->name();
        }
    }
    // The picture buttons and the report link where the window's design puts them.
    const struct {
        const Control& control;
        QRect geometry;
    } placed[] = {
        {planner->Image4, QRect(752, 16, 32, 32)},  {planner->Image3, QRect(752, 104, 32, 32)},
        {planner->Image2, QRect(752, 144, 32, 32)}, {planner->Image7, QRect(368, 272, 40, 40)},
        {planner->Image6, QRect(8, 8, 225, 25)},
    };
    for (const auto& p : placed)
        EXPECT_EQ(view()->widgetOf(p.control)->geometry(), p.geometry) << p.control.name();
    EXPECT_EQ(view()->widgetOf(planner->Label34)->pos(), QPoint(336, 256));

    // Every shown widget lies inside the client area, none covers another, and every caption
    // fits its box whole.
    std::vector<const Control*> shownControls;
    for (const Control* control : planner->controls()) {
        const QWidget* w = view()->widgetOf(*control);
        if (!w || !control->visible())
            continue;
        EXPECT_TRUE(client.contains(place(*control))) << control->name();
        for (const Control* other : shownControls)
            EXPECT_FALSE(place(*control).intersects(place(*other)))
                << control->name() << " covers " << other->name();
        shownControls.push_back(control);
        if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->wordWrap()) {
            const QFontMetrics metrics(label->font());
            EXPECT_LE(metrics.horizontalAdvance(label->text()), label->contentsRect().width())
                << control->name();
            EXPECT_LE(metrics.height(), label->contentsRect().height()) << control->name();
        }
    }
    // Hidden controls that only hold the window's own state get no widget at all.
    for (const Control* hidden :
         {static_cast<const Control*>(&planner->Combo2), static_cast<const Control*>(&planner->Combo3),
          static_cast<const Control*>(&planner->Label1), static_cast<const Control*>(&planner->Label2),
          static_cast<const Control*>(&planner->Label3), static_cast<const Control*>(&planner->Label5),
          static_cast<const Control*>(&planner->Label6), static_cast<const Control*>(&planner->Line1),
          static_cast<const Control*>(&planner->Line2), static_cast<const Control*>(&planner->Label33),
          static_cast<const Control*>(&planner->Image1), static_cast<const Control*>(&planner->Text2)})
        EXPECT_EQ(view()->widgetOf(*hidden), nullptr) << hidden->name();

    // The menu above the client area, with its five items.
    const auto* bar = view()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_LE(bar->geometry().bottom(), view()->client()->geometry().top());
    ASSERT_EQ(bar->actions().size(), 1);
    EXPECT_EQ(bar->actions()[0]->text().toStdString(), "Menu");
    std::vector<std::string> items;
    for (const QAction* action : bar->actions()[0]->menu()->actions())
        if (!action->isSeparator())
            items.push_back((action->text() + " " + action->shortcut().toString()).toStdString());
    EXPECT_EQ(items, (std::vector<std::string>{"Delete Selected Del", "Delete All Shift+Del",
                                               "Save Report... Ctrl+S", "Print... Ctrl+P",
                                               "Copy to Clipboard Ctrl+C", "Target Energy... Ctrl+T",
                                               "Save to Diary... Ctrl+D", "Diary... Ctrl+J",
                                               "My Activities... Ctrl+M", "Exit Ctrl+I"}));
}

TEST_F(PlannerE2E, LongNamesAndLargeTotalsShrinkToFitTheirBoxes)
{
    open("800");
    // The longest activity name, and durations typed far beyond the lists' items.
    planner->Combo1.choose(240);
    planner->Combo4.setText("99999");
    planner->Combo5.setText("99999");
    planner->Image5.click();
    planner->Image5.click();
    ASSERT_GE(shown(planner->Label19).size(), 160u);
    ASSERT_GE(shown(planner->Label18).size(), 10u);
    // Text cut off at a box's edge leaves ink on that edge: a name too long for its lines loses
    // its first lines at the top, a number too wide for its box loses its first digits at the left.
    const struct {
        const Label& label;
        bool isNumber; // a name stands on the box's bottom edge, a number in the middle
    } boxes[] = {{planner->Label19, false}, {planner->Label14, true}, {planner->Label27, true},
                 {planner->Label28, true},  {planner->Label29, true}, {planner->Label18, true},
                 {planner->Label21, true},  {planner->Label24, true}};
    for (const auto& box : boxes) {
        auto* w = widget<QLabel>(box.label);
        const QRect drawn = ink(w, w->rect(), w->palette().color(QPalette::Window));
        ASSERT_FALSE(drawn.isEmpty()) << box.label.name();
        EXPECT_GT(drawn.top(), 0) << box.label.name();
        EXPECT_GT(drawn.left(), 0) << box.label.name();
        EXPECT_LT(drawn.right(), w->width() - 1) << box.label.name();
        if (box.isNumber) {
            EXPECT_LT(drawn.bottom(), w->height() - 1) << box.label.name();
            EXPECT_GT(drawn.width(), w->width() / 2) << box.label.name();
        }
    }
}

TEST_F(PlannerE2E, ScreenReadersFindEveryInputListPictureAndNumber)
{
    open("70");
    const struct {
        const Control& control;
        const char* name;
    } named[] = {
        {planner->Image5, "Dodaj"},
        {planner->Image4, "Exit"},
        {planner->Image3, "Delete Selected"},
        {planner->Image2, "Delete All"},
        {planner->Image7, "Copy to Clipboard"},
        {planner->Label34, "Copy to Clipboard"},
        {planner->Image6, "Movesta product page"},
        {planner->Combo1, "Physical activity"},
        {planner->Text1, "Weight"},
        {planner->Combo4, "Hours"},
        {planner->Combo5, "Minutes"},
        {planner->Label28, "Preview hours"},
        {planner->Label29, "Preview minutes"},
        {planner->Label14, "Preview KJ"},
        {planner->Label27, "Preview kcal"},
        {planner->Label24, "Total hours"},
        {planner->Label16, "Total minutes"},
        {planner->Label18, "Total KJ"},
        {planner->Label21, "Total kcal"},
    };
    // Labels that show a value are described, not named, so a screen reader reads the value.
    for (const auto& n : named) {
        const QWidget* w = view()->widgetOf(n.control);
        ASSERT_NE(w, nullptr) << n.control.name();
        const bool showsValue = dynamic_cast<const Label*>(&n.control) && &n.control != &planner->Label34;
        EXPECT_EQ((showsValue ? w->accessibleDescription() : w->accessibleName()).toStdString(), n.name)
            << n.control.name();
        if (showsValue) {
            EXPECT_TRUE(w->accessibleName().isEmpty()) << n.control.name();
        }
    }
    // The table is named by its first column; screen readers name each column by its heading.
    const std::vector<TableColumn> columns = lists();
    EXPECT_EQ(columns[0].table->accessibleName().toStdString(), "Selected physical activities");
    const char* headings[] = {"Selected physical activities", "Hours", "Minutes", "KJ", "kcal"};
    for (const TableColumn& column : columns)
        EXPECT_EQ(column.table->model()->headerData(column.column, Qt::Horizontal).toString().toStdString(),
                  headings[column.column]);
    // The clickable pictures and the link show the pointing hand.
    for (const Control* clickable :
         {static_cast<const Control*>(&planner->Image5), static_cast<const Control*>(&planner->Label34),
          static_cast<const Control*>(&planner->Image7)})
        EXPECT_EQ(view()->widgetOf(*clickable)->cursor().shape(), Qt::BitmapCursor) << clickable->name();

    // Tab walks the inputs in the window's order, from the activity to the list.
    const std::vector<const Control*> order = {&planner->Combo1, &planner->Text1, &planner->Combo4,
                                               &planner->Combo5, &planner->List1};
    view()->widgetOf(planner->Combo1)->setFocus();
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(QApplication::focusWidget(), view()->widgetOf(*order[i])) << order[i]->name();
        press(Qt::Key_Tab);
    }
}

TEST_F(PlannerE2E, AClickOrAnArrowInAnyColumnSelectsTheWholeRow)
{
    open("70");
    addRows(5);
    ClickRow(lists()[4], 3); // the kcal column
    EXPECT_EQ(selectedRows(), (std::vector<int>{3, 3, 3, 3, 3}));
    EXPECT_EQ(shown(planner->Label19), row(3)[0]);
    EXPECT_EQ(QApplication::focusWidget(), lists()[4].table);

    press(Qt::Key_Up);
    EXPECT_EQ(selectedRows(), (std::vector<int>{2, 2, 2, 2, 2}));
    EXPECT_EQ(shown(planner->Label19), row(2)[0]);
    ClickRow(lists()[1], 0); // the hours column
    press(Qt::Key_End);
    EXPECT_EQ(selectedRows(), (std::vector<int>{4, 4, 4, 4, 4}));
    EXPECT_EQ(shown(planner->Label19), row(4)[0]);
    // The selected row stays highlighted in all five columns while another window is active,
    // also under a desktop theme that greys out the selection of inactive windows.
    const QPalette desktopPalette = QApplication::palette();
    QPalette greyed = desktopPalette;
    greyed.setColor(QPalette::Inactive, QPalette::Highlight, QColor(200, 200, 200));
    QApplication::setPalette(greyed);
    ASSERT_TRUE(app.activate(*app.form1));
    for (const TableColumn& list : lists()) {
        const QImage picture = list.table->viewport()->grab().toImage();
        const QRect rect = list.cellRect(4);
        const QPoint inside =
            (QPointF(rect.left() + 1, rect.center().y()) * picture.devicePixelRatio()).toPoint();
        EXPECT_EQ(picture.pixelColor(inside).name().toStdString(),
                  list.table->palette().color(QPalette::Active, QPalette::Highlight).name().toStdString())
            << "column " << list.column;
    }
    QApplication::setPalette(desktopPalette);
    // Selecting a row leaves the inputs and the preview alone.
    EXPECT_EQ(widget<QComboBox>(planner->Combo1)->currentText().toStdString(), planner->Combo1.items()[4]);
}

TEST_F(PlannerE2E, TheFiveColumnsScrollTogether)
{
    open("70");
    addRows(40);
    const std::vector<TableColumn> columns = lists();
    auto* shared = view()->client()->findChild<QScrollBar*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(shared, nullptr);
    const auto firstRows = [&] {
        std::vector<int> rows;
        for (const TableColumn& list : columns)
            rows.push_back(list.firstRow());
        rows.push_back(shared->value());
        return rows;
    };
    ASSERT_TRUE(waitUntil([&] { return shared->isVisible() && shared->maximum() > 0; }));

    // A wheel turn over the kJ column scrolls all five.
    QWidget* rows = columns[3].table->viewport();
    const QPoint inside(columns[3].cellRect(0).center().x(), rows->height() / 2);
    QWheelEvent wheel(inside, rows->mapToGlobal(inside), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(rows, &wheel);
    const std::vector<int> afterWheel = firstRows();
    EXPECT_GT(afterWheel[0], 0);
    EXPECT_EQ(afterWheel, std::vector<int>(6, afterWheel[0]));

    // So does the shared scroll bar.
    shared->setValue(shared->maximum());
    EXPECT_EQ(firstRows(), std::vector<int>(6, shared->maximum()));

    // Rows added and the last one selected at once, before any list has laid itself out again:
    // all five show it, on the same line.
    shared->setValue(0);
    addRows(10);
    planner->List1.setListIndex(49);
    const QRect shownRows = columns[0].table->viewport()->rect();
    ASSERT_TRUE(waitUntil([&] { return shownRows.contains(columns[0].cellRect(49)); }));
    EXPECT_EQ(firstRows(), std::vector<int>(6, firstRows()[0]));
    for (const TableColumn& list : columns)
        EXPECT_TRUE(list.table->viewport()->rect().contains(list.cellRect(49)));

    // Deleting rows at the end while scrolled there keeps the columns together.
    for (int i = 0; i < 20; ++i) {
        planner->List3.setListIndex(planner->List3.listCount() - 1);
        planner->Image3.click();
    }
    ASSERT_TRUE(waitUntil([&] { return columns[0].rows() == 30; }));
    QTest::qWait(20);
    const std::vector<int> afterDelete = firstRows();
    EXPECT_EQ(afterDelete, std::vector<int>(6, afterDelete[0]));
    EXPECT_EQ(afterDelete[0], shared->maximum());
}

// The columns never show a scroll bar of their own, so a row added asks them for no layout later
// (a scroll area's own would post one per row and column), and their rows still fill them.
TEST_F(PlannerE2E, RowsAddedLeaveNoWorkQueuedPerRowInTheColumns)
{
    open("70");
    class QueuedCalls : public QObject {
    public:
        int count = 0;

    protected:
        bool eventFilter(QObject*, QEvent* event) override
        {
            count += event->type() == QEvent::MetaCall ? 1 : 0;
            return false;
        }
    } queued;
    QTableView* table = lists()[0].table;
    table->installEventFilter(&queued);
    addRows(100);
    QTest::qWait(20);
    EXPECT_LT(queued.count, 100);
    EXPECT_FALSE(table->verticalScrollBar()->isVisible());
    EXPECT_EQ(table->viewport()->width(), table->width());
}

TEST_F(PlannerE2E, MenuShortcutsActWhicheverBoxHasTheFocus)
{
    open("70");
    addRows(3, 1, 30);
    auto* weight = widget<QLineEdit>(planner->Text1);
    auto* minutes = widget<QComboBox>(planner->Combo5);

    // Del in the weight box deletes the selected row, not a character.
    ClickRow(lists()[4], 1);
    const std::vector<std::string> lastRow = row(2);
    weight->setFocus();
    weight->setCursorPosition(0);
    press(Qt::Key_Delete);
    EXPECT_EQ(lists()[0].rows(), 2);
    EXPECT_EQ(row(1), lastRow);
    EXPECT_EQ(weight->text().toStdString(), "70");
    EXPECT_EQ(planner->Text1.text(), "70");
    EXPECT_EQ(selectedRows(), (std::vector<int>{-1, -1, -1, -1, -1}));

    // The same in the minutes combo.
    ClickRow(lists()[1], 0);
    minutes->setFocus();
    minutes->lineEdit()->setCursorPosition(0);
    press(Qt::Key_Delete);
    EXPECT_EQ(lists()[0].rows(), 1);
    EXPECT_EQ(minutes->currentText().toStdString(), "30");
    EXPECT_EQ(planner->Combo5.text(), "30");

    // A second Del right after has no row to delete: the message, nothing changed.
    app.desktop.expectMessage(kAnswerOk);
    press(Qt::Key_Delete);
    ASSERT_EQ(app.desktop.messages.size(), 1u);
    EXPECT_EQ(app.desktop.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(app.desktop.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(lists()[0].rows(), 1);
    EXPECT_EQ(minutes->currentText().toStdString(), "30");

    // Shift+Del asks first; No keeps the rows.
    weight->setFocus();
    app.desktop.expectMessage(kAnswerNo);
    press(Qt::Key_Delete, Qt::ShiftModifier);
    ASSERT_EQ(app.desktop.messages.size(), 2u);
    EXPECT_EQ(app.desktop.messages[1].prompt, "Are you sure you want to delete all selected activities?");
    EXPECT_EQ(app.desktop.messages[1].title, "Delete all !");
    EXPECT_EQ(app.desktop.messages[1].buttons, MessageButtons::YesNo);
    EXPECT_EQ(app.desktop.messages[1].icon, MessageIcon::None);
    EXPECT_EQ(lists()[0].rows(), 1);
    EXPECT_EQ(weight->text().toStdString(), "70");

    // Ctrl+I in the hours combo closes the planner; the next opening starts afresh.
    QPointer<FormView> closing = view();
    widget<QComboBox>(planner->Combo4)->setFocus();
    press(Qt::Key_I, Qt::ControlModifier);
    EXPECT_FALSE(app.windows->isLoaded(kPlannerId));
    EXPECT_TRUE(waitUntil([&] { return closing.isNull(); }));

    open("70");
    for (const TableColumn& list : lists())
        EXPECT_EQ(list.rows(), 0);
    EXPECT_EQ(totals(), (std::vector<std::string>{"0", "0", "0", "0"}));
    EXPECT_EQ(widget<QLineEdit>(planner->Text1)->text().toStdString(), "70");
    EXPECT_EQ(shown(planner->Label19), "");
}

TEST_F(PlannerE2E, CtrlCInABoxCopiesTheReportAndNotTheBoxText)
{
    open("70");
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    planner->Combo1.choose(kAccordion);
    planner->Combo5.setText("30");
    planner->Image5.click();
    planner->Combo4.setText("0");
    planner->Combo5.setText("45");
    planner->Image5.click();
    const std::string expected = report(
        {"- Accordion, playing  - (1h:30min, 189,0 kcal)", "- Accordion, playing  - (0h:45min, 94,5 kcal)"},
        "2", "15", "283,5");

    auto* weight = widget<QLineEdit>(planner->Text1);
    weight->setFocus();
    weight->selectAll();
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(app.desktop.clipboard, expected);
    EXPECT_EQ(app.desktop.clipboardLog, (std::vector<std::string>{"clear", "set:" + expected}));
    EXPECT_EQ(weight->text().toStdString(), "70");

    auto* activity = widget<QComboBox>(planner->Combo1);
    activity->setFocus();
    activity->lineEdit()->selectAll();
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(app.desktop.clipboardLog.size(), 4u);
    EXPECT_EQ(app.desktop.clipboard, expected);
    // The boxes never copied their own text.
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "before");

    // The last row ends selected in every column, its name above the list.
    EXPECT_EQ(selectedRows(), (std::vector<int>{1, 1, 1, 1, 1}));
    EXPECT_EQ(shown(planner->Label19), "Accordion, playing");

    // The link and the picture below the list do the same.
    click(widget<QWidget>(planner->Label34));
    click(widget<QWidget>(planner->Image7));
    EXPECT_EQ(app.desktop.clipboardLog.size(), 8u);
    EXPECT_EQ(app.desktop.clipboardLog.back(), "set:" + expected);

    // Ctrl+P in the box prints the same report.
    activity->setFocus();
    press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(app.desktop.printed, std::vector<std::string>{expected});
}

} // namespace
} // namespace movesta
