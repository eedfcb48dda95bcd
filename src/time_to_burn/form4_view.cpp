// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "time_to_burn/form4_view.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

#include "platform/qt/pictures.h"
#include "platform/qt/qt_window_manager.h"
#include "platform/qt/twips.h"
#include "time_to_burn/form4.h"

namespace movesta {

namespace {

enum class Anchor { Left, Right };

// The layout was drawn for a narrower system font. A caption whose text does not fit its box
// grows away from its anchored side, so it still sits against the field it names.
void fitCaption(QLabel* label, Anchor anchor)
{
    constexpr int gap = 4; // between a grown caption and the field on its right
    const int textWidth = label->fontMetrics().horizontalAdvance(label->text()) + 2;
    if (textWidth <= label->width())
        return;
    QRect box = label->geometry();
    if (anchor == Anchor::Right) {
        box.setLeft(box.right() + 1 - textWidth - gap);
        label->setIndent(gap);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    } else {
        box.setWidth(textWidth);
    }
    label->setGeometry(box);
}

// Keeps the result box at least at its given size, widened about its centre when a longer time
// needs more room. A label that changes its text or font asks its parent for a new layout
// (LayoutRequest) before it paints, which is when the box is refitted.
class ResultFitter : public QObject {
public:
    ResultFitter(QLabel* result, QWidget* surface)
        : QObject(result)
        , m_result(result)
        , m_given(result->geometry())
        , m_surface(surface)
    {
        surface->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_surface && event->type() == QEvent::LayoutRequest)
            fit();
        return false;
    }

private:
    void fit()
    {
        const int padding = m_result->fontMetrics().averageCharWidth() * 2;
        const int needed = m_result->fontMetrics().horizontalAdvance(m_result->text()) + padding;
        const int width = qBound(m_given.width(), needed, m_surface->width());
        QRect box(0, 0, width, m_given.height());
        box.moveCenter(m_given.center());
        box.moveLeft(qBound(0, box.left(), m_surface->width() - width));
        if (box != m_result->geometry())
            m_result->setGeometry(box);
    }

    QLabel* m_result;
    QRect m_given;
    QWidget* m_surface;
};

} // namespace

Form4View::Form4View(Form4& model, QtWindowManager& manager)
    : FormView(model, manager, 9945, 6510)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    bindPicture(model.Image1, twipsRect(1920, 120, 5775, 615))
        ->setAccessibleName(QStringLiteral("Movesta product page"));
    bindPicture(model.Image2, twipsRect(9120, 120, 480, 480));

    fitCaption(bindLabel(model.Label3, twipsRect(600, 960, 615, 255)), Anchor::Right);
    QLineEdit* weight = bindTextBox(model.Text1, twipsRect(1200, 960, 615, 285), Qt::AlignCenter);
    weight->setAccessibleName(QStringLiteral("Weight"));
    fitCaption(bindLabel(model.Label15, twipsRect(1920, 960, 375, 255)), Anchor::Left);
    fitCaption(bindLabel(model.Label4, twipsRect(3120, 960, 1455, 255)), Anchor::Right);
    QLineEdit* energy = bindTextBox(model.Text2, twipsRect(4680, 960, 615, 285), Qt::AlignCenter);
    energy->setAccessibleName(QStringLiteral("Energy expenditure"));
    fitCaption(bindLabel(model.Label16, twipsRect(5400, 960, 375, 255)), Anchor::Left);
    // Thin sunken rules across the window, above and below the row of fields.
    for (const auto& [line, top] : {std::pair{&model.Line2, 840}, std::pair{&model.Line1, 1320}})
        bindLine(*line, QRect(twips(240), twips(top) - 1, twips(9600) - twips(240), 3));

    fitCaption(bindLabel(model.Label5, twipsRect(240, 1460, 1455, 255)), Anchor::Left);
    bindLabel(model.Label6, twipsRect(1800, 1440, 7815, 735), Qt::AlignLeft | Qt::AlignTop)
        ->setWordWrap(true);
    const QRect list = twipsRect(240, 2160, 9375, 2790);
    QListView* activities = bindList(model.List1, list);
    activities->setAccessibleName(QStringLiteral("Physical activity"));

    // The heading may take the whole gap between the list and the result: the longest activity
    // names need a third line, which its given height of 615 twips would cut.
    const int top = list.bottom() + 1;
    QLabel* heading =
        bindLabel(model.Label14, QRect(twips(240), top, twips(9375), twips(5640) - top), Qt::AlignCenter);
    heading->setWordWrap(true);
    heading->setAccessibleDescription(QStringLiteral("Result heading"));
    QLabel* result = bindLabel(model.Label13, twipsRect(3720, 5640, 2535, 495), Qt::AlignCenter);
    result->setAccessibleDescription(QStringLiteral("Result"));
    new ResultFitter(result, client());

    setTabOrder(activities, weight);
    setTabOrder(weight, energy);
    // Then the picture buttons, in reading order.
    setTabOrder(energy, widgetOf(model.Image1));
    setTabOrder(widgetOf(model.Image1), widgetOf(model.Image2));
}

} // namespace movesta
