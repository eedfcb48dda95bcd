// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "diary/my_activities_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>

#include "diary/my_activities.h"
#include "platform/qt/qt_window_manager.h"
#include "platform/qt/twips.h"

namespace movesta {

namespace {
// The table of one's activities: the name column and the two factor columns, in twips.
constexpr int kLeft = 120, kNameWidth = 5160, kFactorWidth = 1080, kTableTop = 420, kTableHeight = 2400;
constexpr int kFormTop = 3000, kRow = 450, kBoxLeft = 3600;
} // namespace

MyActivitiesView::MyActivitiesView(MyActivities& model, QtWindowManager& manager)
    : FormView(model, manager, 7680, 4620)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    bindLabel(model.ListCaption, twipsRect(kLeft, 120, kNameWidth, 255));
    const Qt::Alignment heading = Qt::AlignRight | Qt::AlignBottom;
    bindLabel(model.KilojoulesCaption, twipsRect(kLeft + kNameWidth, 120, kFactorWidth - 90, 255), heading);
    bindLabel(model.KilocaloriesCaption,
              twipsRect(kLeft + kNameWidth + kFactorWidth, 120, kFactorWidth - 90, 255), heading);
    const Qt::Alignment number = Qt::AlignRight | Qt::AlignVCenter;
    const auto box = [](int left, int width) { return twipsRect(left, kTableTop, width, kTableHeight); };
    QTableView* table = bindListBoxes(
        {{model.Names, box(kLeft, kNameWidth), Qt::AlignLeft | Qt::AlignVCenter, "Activity"},
         {model.Kilojoules, box(kLeft + kNameWidth, kFactorWidth), number, "kJ per kg and hour"},
         {model.Kilocalories, box(kLeft + kNameWidth + kFactorWidth, kFactorWidth), number,
          "kcal per kg and hour"}});
    table->setAccessibleName(QStringLiteral("My activities"));

    QLabel* nameCaption =
        bindLabel(model.NameCaption, twipsRect(kLeft, kFormTop + 30, kBoxLeft - kLeft, 255));
    QLineEdit* name = bindTextBox(model.Name, twipsRect(kBoxLeft, kFormTop, 3960, 315));
    nameCaption->setBuddy(name);
    name->setAccessibleName(QStringLiteral("Name"));
    name->setMaxLength(1000); // the rules allow 120 characters; a longer paste is refused, not cut

    QLabel* factorCaption =
        bindLabel(model.FactorCaption, twipsRect(kLeft, kFormTop + kRow + 30, kBoxLeft - kLeft, 255));
    QLineEdit* factor =
        bindTextBox(model.Factor, twipsRect(kBoxLeft, kFormTop + kRow, 900, 315), Qt::AlignRight);
    factorCaption->setBuddy(factor);
    factor->setAccessibleName(QStringLiteral("Energy factor per kilogram and hour"));
    factor->setMaxLength(20);
    bindOption(model.InKilocalories, twipsRect(kBoxLeft + 1020, kFormTop + kRow + 30, 840, 255), client())
        ->setAccessibleName(QStringLiteral("Factor in kcal"));
    bindOption(model.InKilojoules, twipsRect(kBoxLeft + 1920, kFormTop + kRow + 30, 840, 255), client())
        ->setAccessibleName(QStringLiteral("Factor in kJ"));

    const int buttons = kFormTop + 2 * kRow + 120;
    bindButton(model.Add, twipsRect(kLeft, buttons, 1500, 405));
    bindButton(model.Rename, twipsRect(kLeft + 1620, buttons, 1500, 405));
    bindButton(model.Delete, twipsRect(kLeft + 3240, buttons, 1500, 405));
}

} // namespace movesta
