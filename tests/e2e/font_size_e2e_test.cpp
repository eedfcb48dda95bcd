// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDate>
#include <QDialog>
#include <QStyleOptionButton>

#include <cmath>

#include "e2e_support.h"
#include "platform/qt/date_dialog.h"
#include "platform/qt/number_dialog.h"

// Every window and dialog at the desktop font sizes people choose.

namespace movesta {
namespace {

void expectFits(const QWidget* w, const QString& text, const QRect& box, int flags = 0)
{
    const QRect needed = QFontMetrics(w->font()).boundingRect(box, flags, text);
    EXPECT_TRUE(text.isEmpty() || (needed.width() <= box.width() && needed.height() <= box.height()))
        << w->metaObject()->className() << " cuts " << text.toStdString();
}

// The controls on a surface (a client area, a frame, a dialog) show their whole texts (a list row in
// sight within its cell, which in a table reaches the next column's box) and keep apart.
// By design a table lies over its columns' boxes (left out), and a few boxes reach 15 twips, a pixel
// grown with the font, into the next: the weight captions of the main and time-to-burn windows.
void check(const QWidget* surface, int sliver)
{
    std::vector<QRect> placed;
    for (const QWidget* w : surface->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!w->isVisible() || w->inherits("QFocusFrame"))
            continue;
        QStyleOptionButton button;
        button.initFrom(w);
        const bool radio = w->inherits("QRadioButton");
        const QRect box =
            radio || w->inherits("QPushButton")
                ? w->style()->subElementRect(
                      radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &button, w)
                : w->contentsRect().adjusted(qMax(0, w->property("indent").toInt()), 0, 0, 0);
        expectFits(w, w->property("text").toString(), box,
                   w->property("wordWrap").toBool() ? Qt::TextWordWrap : 0);
        if (w->inherits("QGroupBox") || w->inherits("QDialogButtonBox") || w->inherits("QComboBox"))
            check(w, sliver);
        const auto* list = qobject_cast<const QAbstractItemView*>(w);
        for (int r = 0; list && r < list->model()->rowCount(); ++r)
            for (int c = 0; c < list->model()->columnCount(); ++c)
                if (const QRect cell = list->visualRect(list->model()->index(r, c));
                    list->viewport()->rect().contains(cell))
                    expectFits(w, list->model()->index(r, c).data().toString(),
                               cell.adjusted(ListTextMargin(w), 0, -ListTextMargin(w), 0));
        if (w->metaObject()->className() == QByteArray("QFrame") && !w->objectName().isEmpty())
            continue; // a column's box
        for (const QRect& other : placed) {
            const QRect common = w->geometry().intersected(other);
            EXPECT_TRUE(common.isEmpty() || qMin(common.width(), common.height()) <= sliver)
                << w->metaObject()->className() << " meets another in "
                << surface->window()->windowTitle().toStdString();
        }
        placed.push_back(w->geometry());
    }
}

class FontSizeE2E : public ::testing::TestWithParam<double> {
protected:
    void TearDown() override { QApplication::setFont(m_desktop); }
    const QFont m_desktop = QApplication::font();
};

TEST_P(FontSizeE2E, EveryWindowAndDialogShowsItsTextsWholeWithItsControlsApart)
{
    QFont font = m_desktop;
    font.setPointSizeF(GetParam());
    QApplication::setFont(font);
    testing::App app;
    app.form1->Text1.setText("70");
    app.form1->Image1.click();
    Form7& planner = *app.windows->find<Form7>();
    planner.Combo1.choose(198); // a name short enough for its column
    planner.Image5.click();
    app.desktop.expectNumber("2500");
    planner.cilj.click();
    app.desktop.expectDate(QDate::currentDate().toString(Qt::ISODate).toStdString()); // the diary's day
    planner.sdn.click();
    planner.dnev.click();
    planner.mak.click();
    app.form1->Image3.click();
    const DesktopServices::DateQuestion& day = app.desktop.dateQuestions.at(0);
    NumberDialog target(app.desktop.numberQuestions.at(0), nullptr);
    DateDialog date(day.title, {{day.prompt, day.current}}, nullptr);
    target.show();
    date.show();
    int surfaces = 0;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        const auto* view = qobject_cast<const FormView*>(window);
        if (window->isVisible() && (view || window->inherits("QDialog"))) {
            check(view ? view->client() : window, static_cast<int>(std::ceil(GetParam() / 9)));
            ++surfaces;
        }
    }
    EXPECT_EQ(surfaces, 7); // five windows, two dialogs
}

INSTANTIATE_TEST_SUITE_P(DesktopFonts, FontSizeE2E, ::testing::Values(9.0, 11.0, 14.0, 20.0));

} // namespace
} // namespace movesta
