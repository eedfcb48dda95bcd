// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every window and dialog at the desktop fonts people choose: each text shows whole, and no two
// controls run into each other.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFocusFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>

#include "diary/diary.h"
#include "diary/my_activities.h"
#include "e2e_support.h"
#include "platform/qt/date_dialog.h"
#include "platform/qt/number_dialog.h"
#include "time_to_burn/form4.h"

namespace movesta {
namespace {

class FontSizeE2E : public ::testing::TestWithParam<double> {
protected:
    void SetUp() override
    {
        QFont font = m_desktopFont;
        font.setPointSizeF(GetParam());
        QApplication::setFont(font);
    }
    void TearDown() override { QApplication::setFont(m_desktopFont); }

    static std::string name(const QWidget* w)
    {
        const QRect g = w->geometry();
        return std::string(w->metaObject()->className()) + " at " + std::to_string(g.x()) + "," +
               std::to_string(g.y()) + " " + std::to_string(g.width()) + "x" + std::to_string(g.height());
    }

    static bool isColumnBox(const QWidget* w)
    {
        return w->metaObject() == &QFrame::staticMetaObject && !w->objectName().isEmpty();
    }

    // Whole in width and height; a word-wrapped text in as many lines as it takes.
    static void expectFits(const QWidget* w, const QString& text, const QRect& area, bool wrap = false)
    {
        const QFontMetrics metrics(w->font());
        const QRect needed = wrap ? metrics.boundingRect(area, Qt::TextWordWrap, text)
                                  : QRect(0, 0, metrics.horizontalAdvance(text), metrics.height());
        EXPECT_LE(needed.width(), area.width()) << name(w) << " cuts " << text.toStdString();
        EXPECT_LE(needed.height(), area.height()) << name(w) << " cuts " << text.toStdString();
    }

    // The texts of the controls on `surface` (a window's client area, a frame, a dialog), and their
    // places, which must not meet one another's nor leave the surface.
    void check(const QWidget* surface, const std::string& where)
    {
        SCOPED_TRACE(where + " at " + std::to_string(GetParam()) + " pt");
        std::vector<const QWidget*> placed;
        for (const QWidget* w : surface->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!w->isVisible() || qobject_cast<const QFocusFrame*>(w))
                continue;
            EXPECT_TRUE(surface->rect().contains(w->geometry())) << name(w);
            if (const auto* label = qobject_cast<const QLabel*>(w)) {
                const int m = label->margin();
                const int indent = label->indent() > 0 ? label->indent() : 0;
                expectFits(w, label->text(), label->contentsRect().adjusted(m + indent, m, -m, -m),
                           label->wordWrap());
            } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
                QStyleOptionButton option;
                option.initFrom(button);
                option.text = button->text();
                const bool radio = qobject_cast<const QRadioButton*>(w) != nullptr;
                const QRect area = radio || qobject_cast<const QPushButton*>(w)
                                       ? w->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents
                                                                          : QStyle::SE_PushButtonContents,
                                                                    &option, w)
                                       : button->contentsRect();
                expectFits(w, button->text(), area);
            } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
                expectFits(combo->lineEdit(), combo->currentText(), combo->lineEdit()->contentsRect());
            } else if (const auto* box = qobject_cast<const QLineEdit*>(w)) {
                const int f = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
                expectFits(w, box->text(), box->contentsRect().adjusted(f + 2, f, -f - 2, -f));
            } else if (const auto* list = qobject_cast<const QAbstractItemView*>(w)) {
                // The rows in sight; columns drawn as boxes side by side show a cell inside its box.
                std::vector<const QFrame*> boxes;
                for (const QWidget* b :
                     surface->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                    if (isColumnBox(b) && b->geometry().intersects(w->geometry()))
                        boxes.push_back(static_cast<const QFrame*>(b));
                std::sort(boxes.begin(), boxes.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
                const QAbstractItemModel* rows = list->model();
                const int margin = ListTextMargin(list);
                for (int r = 0; r < rows->rowCount(); ++r)
                    for (int c = 0; c < rows->columnCount(); ++c) {
                        QRect cell = list->visualRect(rows->index(r, c));
                        if (!list->viewport()->rect().contains(cell))
                            continue;
                        if (static_cast<std::size_t>(c) < boxes.size())
                            cell.setWidth(boxes[c]->width() - 2 * boxes[c]->frameWidth());
                        expectFits(list, rows->index(r, c).data().toString(),
                                   cell.adjusted(margin, 0, -margin, 0));
                    }
            } else if (const auto* frame = qobject_cast<const QGroupBox*>(w)) {
                expectFits(w, frame->title(), frame->contentsRect());
                check(frame, where + " frame");
            } else if (const auto* buttons = qobject_cast<const QDialogButtonBox*>(w)) {
                check(buttons, where + " buttons");
            }
            // By design a table lies over its columns' boxes: the boxes are left out. And a few
            // boxes of the design reach a pixel (15 twips) into the next one's edge, grown here
            // with the font: the main window's "Weight" caption, time-to-burn's weight caption
            // and activity caption. Any wider meeting is a fault.
            if (!isColumnBox(w)) {
                const int sliver = static_cast<int>(std::ceil(GetParam() / 9.0));
                for (const QWidget* other : placed) {
                    const QRect common = w->geometry().intersected(other->geometry());
                    EXPECT_TRUE(common.isEmpty() || std::min(common.width(), common.height()) <= sliver)
                        << name(w) << " meets " << name(other);
                }
                placed.push_back(w);
            }
        }
    }

    const QFont m_desktopFont = QApplication::font();
};

TEST_P(FontSizeE2E, EveryTextShowsWholeAndNoControlsMeet)
{
    testing::App app;
    app.form1->Text1.setText("70");
    app.form1->Image1.click();
    Form7& planner = *app.windows->find<Form7>();
    for (const int activity : {198, 31, 9}) { // names that fit their column at every size
        planner.Combo1.choose(activity);
        planner.Combo5.setText("45");
        planner.Image5.click();
    }
    app.desktop.expectNumber("2500");
    planner.cilj.click();
    app.desktop.expectDate("2026-12-07");
    planner.sdn.click();
    planner.dnev.click();
    Diary& diary = *app.windows->find<Diary>();
    diary.Month.choose("2026-12-07");
    planner.mak.click();
    MyActivities& own = *app.windows->find<MyActivities>();
    own.Name.setText("Spinning class");
    own.Factor.setText("8,5");
    own.Add.click();
    app.form1->Image3.click();
    Form4& burn = *app.windows->find<Form4>();
    burn.List1.setListIndex(3);

    for (const Window* window :
         std::initializer_list<const Window*>{app.form1, &planner, &burn, &diary, &own}) {
        app.activate(*window);
        check(app.view(*window)->client(), window->caption());
    }
    ASSERT_EQ(app.desktop.numberQuestions.size(), 1U);
    NumberDialog target(app.desktop.numberQuestions.front(), app.view(planner));
    target.show();
    check(&target, "target energy dialog");
    ASSERT_EQ(app.desktop.dateQuestions.size(), 1U);
    const auto& day = app.desktop.dateQuestions.front();
    DateDialog date(day.title, {{day.prompt, day.current}}, app.view(planner));
    date.show();
    check(&date, "date dialog");
}

INSTANTIATE_TEST_SUITE_P(DesktopFonts, FontSizeE2E, ::testing::Values(9.0, 11.0, 14.0, 20.0));

} // namespace
} // namespace movesta
