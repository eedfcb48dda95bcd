// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/form1_view.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "main_window/form1.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_window_manager.h"
#include "platform/qt/twips.h"

namespace movesta {

Form1View::Form1View(Form1& model, QtWindowManager& manager)
    : FormView(model, manager, 7230, 5685)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    QGroupBox* frame = bindFrame(model.Frame1, twipsRect(2280, 120, 2655, 615));
    auto* metric = bindOption(model.Option1, twipsRect(360, 240, 855, 255), frame);
    auto* english = bindOption(model.Option2, twipsRect(1440, 240, 855, 255), frame);
    metric->adjustSize();
    english->adjustSize();

    bindLabel(model.Label2, twipsRect(2880, 840, 1455, 255), Qt::AlignCenter);
    QLineEdit* weight = bindTextBox(model.Text1, twipsRect(3120, 1080, 975, 615), Qt::AlignCenter);
    weight->setAccessibleName(QStringLiteral("Weight"));

    for (Label* heading : {&model.Label6, &model.Label7}) {
        QLabel* label = bindLabel(*heading,
                                  heading == &model.Label6 ? twipsRect(480, 1080, 2415, 705)
                                                           : twipsRect(4320, 1080, 2415, 705),
                                  Qt::AlignCenter);
        // Four lines of capitals must fit above the picture, which the box reaches down to.
        label->setWordWrap(true);
        QFont font = layoutScale().font(label->font(), 7);
        font.setBold(true);
        label->setFont(font);
    }
    bindPicture(model.Image1, twipsRect(480, 1800, 2385, 2580))
        ->setAccessibleName(QStringLiteral("Energy expenditure of selected physical activities"));
    bindPicture(model.Image3, twipsRect(4320, 1800, 2400, 2520))
        ->setAccessibleName(
            QStringLiteral("Time required to burn calories during selected physical activity"));
    bindPicture(model.Image2, QRect(twips(720), twips(4680), 385, 41));
    QLabel* notice = bindLabel(model.Label1, twipsRect(0, 5400, 7215, 255), Qt::AlignCenter);
    notice->setFont(layoutScale().font(notice->font(), 7.5));

    setTabOrder(weight, metric);
    setTabOrder(metric, english);
    // Then the picture buttons, in reading order.
    setTabOrder(english, widgetOf(model.Image1));
    setTabOrder(widgetOf(model.Image1), widgetOf(model.Image3));
    setTabOrder(widgetOf(model.Image3), widgetOf(model.Image2));
    weight->setFocus(Qt::OtherFocusReason);
}

} // namespace movesta
