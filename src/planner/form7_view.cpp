// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "planner/form7_view.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "planner/form7.h"
#include "platform/qt/find_popup.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_window_manager.h"
#include "platform/qt/twips.h"

namespace movesta {

namespace {

// The table, in logical pixels. A column's list widget and the heading, preview and total
// labels above and below it share its left edge and width, so the numbers line up.
struct Column {
    int left;
    int width;
    QRect at(int top, int height) const { return QRect(left, top, width, height); }
};
constexpr Column kNameColumn{312, 204};
constexpr Column kHoursColumn{518, 34};
constexpr Column kMinutesColumn{554, 38};
constexpr Column kKjColumn{598, 70};
constexpr Column kKcalColumn{670, 62};
constexpr int kScrollBarLeft = 734;
constexpr int kScrollBarWidth = 14;

constexpr int kNameTop = 6;       // Label19, up to four lines of the chosen name
constexpr int kGroupTop = 30;     // "Time:", "Energy expenditure:"
constexpr int kRuleAboveTop = 50; // Line6
constexpr int kUnitTop = 53;      // "h", "min", "KJ", "kcal"
constexpr int kRuleBelowTop = 72; // Line3
constexpr int kPreviewTop = 77;   // "Selected physical activities:" and the preview row
constexpr int kListTop = 99;
constexpr int kListHeight = 126;
constexpr int kTotalTop = 229;
constexpr int kTargetRuleTop = 254; // Line5, under the totals row
constexpr int kTargetTop = 259;     // the target row, in room the window leaves empty without one
constexpr int kTargetLeft = 460;    // clear of the "Copy to Clipboard" link, which ends at 456
constexpr int kRowHeight = 20;
constexpr int kHeadingHeight = 18;

// The input column.
constexpr int kInputLeft = 8;
constexpr int kInputWidth = 288;
constexpr int kInputHeight = 24;

} // namespace

void Form7View::restyle()
{
    if (!m_table)
        return;
    // The selected row stays highlighted while another window is active (some themes grey an
    // inactive selection out).
    QPalette palette = m_table->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    m_table->setPalette(palette);
}

Form7View::Form7View(Form7& model, QtWindowManager& manager)
    : FormView(model, manager, 11865, 4890)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    // The window menu sits above the client area, as a menu bar of its own.
    auto* bar = new QMenuBar(this);
    QMenu* menu = bar->addMenu(QStringLiteral("Menu"));
    bindMenuItem(model.br_p, menu);
    bindMenuItem(model.br_s, menu);
    menu->addSeparator();
    bindMenuItem(model.spr, menu);
    bindMenuItem(model.isp, menu);
    bindMenuItem(model.kopi, menu);
    menu->addSeparator();
    bindMenuItem(model.cilj, menu);
    menu->addSeparator();
    bindMenuItem(model.sdn, menu);
    bindMenuItem(model.dnev, menu);
    bindMenuItem(model.mak, menu);
    menu->addSeparator();
    bindMenuItem(model.izl, menu);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(bar);
    layout->addWidget(client());

    // Product logo, top left.
    bindPicture(model.Image6, twipsRect(120, 120, 3375, 375))
        ->setAccessibleName(QStringLiteral("Movesta product page"));

    // Input column.
    const auto input = [](int top, int left = kInputLeft, int width = kInputWidth,
                          int height = kInputHeight) { return QRect(left, top, width, height); };
    QLabel* activityCaption = bindLabel(model.Label4, input(56, kInputLeft, kInputWidth, kHeadingHeight));
    QComboBox* activity = bindCombo(model.Combo1, input(74));
    // Screen readers name an editable combo by the label it is the buddy of, not by its own name.
    activityCaption->setBuddy(activity);
    activity->setAccessibleName(QStringLiteral("Physical activity"));
    activity->view()->setTextElideMode(Qt::ElideRight);
    activity->view()->setMinimumWidth(layoutScale().length(480));
    // The activities found by the words typed into Combo1, over the controls below it. It
    // reaches the model only while the view's bindings stand (not while the view is destroyed).
    auto* found = new FindPopup(
        activity, client(),
        {[this, &model] {
             return widgetOf(model.Combo1) ? static_cast<int>(model.FoundActivities().size()) : 0;
         },
         [&model](int position) {
             return model.Combo1.shownItem(model.FoundActivities()[static_cast<std::size_t>(position)]);
         },
         [this, &model](int position) {
             if (widgetOf(model.Combo1))
                 model.ChooseFoundActivity(position);
         },
         [this, &model] {
             if (widgetOf(model.Combo1))
                 model.CloseFoundActivities();
         },
         [&model] { return model.FoundActivitiesHeading(); }});
    model.onFoundActivitiesChanged = [found = QPointer<FindPopup>(found)] {
        if (found)
            found->refresh();
    };

    bindLabel(model.Label7, input(124, kInputLeft, kInputWidth, kHeadingHeight));
    QLineEdit* weight = bindTextBox(model.Text1, input(142, kInputLeft, 56), Qt::AlignCenter);
    weight->setAccessibleName(QStringLiteral("Weight"));
    bindLabel(model.Label11, input(142, 70, 30));

    bindLabel(model.Label30, input(183, kInputLeft, 180, kHeadingHeight));
    QComboBox* hours = bindCombo(model.Combo4, input(201, kInputLeft, 54));
    hours->setAccessibleName(QStringLiteral("Hours"));
    bindLabel(model.Label31, input(201, 66, 18))->setBuddy(hours);
    QComboBox* minutes = bindCombo(model.Combo5, input(201, 86, 54));
    minutes->setAccessibleName(QStringLiteral("Minutes"));
    bindLabel(model.Label32, input(201, 144, 30))->setBuddy(minutes);
    bindPicture(model.Image5, QRect(192, 197, 32, 32));

    // The table. Numbers stand right-aligned, their last digit under the list's last digit.
    const Qt::Alignment number = Qt::AlignRight | Qt::AlignVCenter;
    const Qt::Alignment name = Qt::AlignLeft | Qt::AlignVCenter;
    const auto box = [](Column column) { return column.at(kListTop, kListHeight); };
    QTableView* table = bindListBoxes({{model.List1, box(kNameColumn), name, "Selected physical activities"},
                                       {model.List2, box(kHoursColumn), number, "Hours"},
                                       {model.List5, box(kMinutesColumn), number, "Minutes"},
                                       {model.List3, box(kKjColumn), number, "KJ"},
                                       {model.List4, box(kKcalColumn), number, "kcal"}});
    table->setAccessibleName(QStringLiteral("Selected physical activities"));
    m_table = table;
    restyle();
    // Labels line up with the text inside the rows: the box's frame plus the row's margin.
    const int inset =
        table->geometry().left() - layoutScale().length(kNameColumn.left) + ListTextMargin(table);
    const auto numberLabel = [&](QLabel* label) {
        label->setContentsMargins(0, 0, inset, 0);
        return label;
    };

    // The scroll bar right of the kcal column, shown while there is something to scroll.
    auto* scroll = new QScrollBar(Qt::Vertical, client());
    scroll->setGeometry(layoutScale().rect(QRect(kScrollBarLeft, kListTop, kScrollBarWidth, kListHeight)));
    scroll->setAccessibleName(QStringLiteral("Scroll selected physical activities"));
    scroll->setRange(0, 0);
    scroll->hide();
    QScrollBar* own = table->verticalScrollBar();
    connect(own, &QScrollBar::rangeChanged, scroll, [scroll, own](int, int last) {
        scroll->setRange(0, last);
        scroll->setPageStep(own->pageStep());
        scroll->setVisible(last > 0);
    });
    connect(scroll, &QScrollBar::valueChanged, own, &QScrollBar::setValue);
    connect(own, &QScrollBar::valueChanged, scroll, &QScrollBar::setValue);

    QLabel* chosen = bindShrinkingLabel(model.Label19, kNameColumn.at(kNameTop, kPreviewTop - kNameTop - 3),
                                        Qt::AlignLeft | Qt::AlignBottom, true);
    chosen->setContentsMargins(inset, 0, inset, 0);
    chosen->setAccessibleDescription(QStringLiteral("Chosen physical activity"));
    bindLabel(model.Label17, kNameColumn.at(kPreviewTop, kRowHeight), name)
        ->setContentsMargins(inset, 0, 0, 0);

    const int timeLeft = kHoursColumn.left;
    const int timeWidth = kMinutesColumn.left + kMinutesColumn.width - timeLeft;
    const int energyLeft = kKjColumn.left;
    const int energyWidth = kKcalColumn.left + kKcalColumn.width - energyLeft;
    bindLabel(model.Label8, QRect(timeLeft, kGroupTop, timeWidth, kHeadingHeight), Qt::AlignCenter);
    bindLabel(model.Label13, QRect(energyLeft, kGroupTop, energyWidth, kHeadingHeight), Qt::AlignCenter);
    const int rulesLeft = kHoursColumn.left;
    const int rulesWidth = kKcalColumn.left + kKcalColumn.width - rulesLeft;
    bindLine(model.Line6, QRect(rulesLeft, kRuleAboveTop, rulesWidth, 2));
    bindLine(model.Line3, QRect(rulesLeft, kRuleBelowTop, rulesWidth, 2));

    const struct {
        Column column;
        Label& unit;
        Label& preview;
        Label& total;
        const char* accessibleName;
    } numbers[] = {
        {kHoursColumn, model.Label9, model.Label28, model.Label24, "hours"},
        {kMinutesColumn, model.Label10, model.Label29, model.Label16, "minutes"},
        {kKjColumn, model.Label12, model.Label14, model.Label18, "KJ"},
        {kKcalColumn, model.Label15, model.Label27, model.Label21, "kcal"},
    };
    for (const auto& column : numbers) {
        numberLabel(bindLabel(column.unit, column.column.at(kUnitTop, kHeadingHeight), number));
        numberLabel(bindShrinkingLabel(column.preview, column.column.at(kPreviewTop, kRowHeight), number))
            ->setAccessibleDescription(QStringLiteral("Preview ") +
                                       QString::fromLatin1(column.accessibleName));
        numberLabel(bindShrinkingLabel(column.total, column.column.at(kTotalTop, kRowHeight + 2), number))
            ->setAccessibleDescription(QStringLiteral("Total ") + QString::fromLatin1(column.accessibleName));
    }
    numberLabel(bindLabel(model.Label22, kNameColumn.at(kTotalTop, kRowHeight + 2), number));
    // The share of the target, right of the kcal total, as far as the window's right edge.
    constexpr int kShareWidth = 55;
    QLabel* share =
        bindShrinkingLabel(model.Label25, QRect(kScrollBarLeft, kTotalTop, kShareWidth, kRowHeight + 2));
    share->setContentsMargins(inset, 0, 0, 0);
    share->setAccessibleDescription(QStringLiteral("Share of the target energy"));

    // The target row under the totals, shown while a target is set: its caption ends where the
    // kJ column does, the target stands in the kcal column, its unit where the share stands.
    const int targetLeft = kTargetLeft;
    bindLine(model.Line5,
             QRect(targetLeft, kTargetRuleTop, kKcalColumn.left + kKcalColumn.width - targetLeft, 2));
    bindLabel(model.Label20,
              QRect(targetLeft, kTargetTop, kKjColumn.left + kKjColumn.width - targetLeft, kRowHeight + 2),
              number);
    numberLabel(bindShrinkingLabel(model.Label23, kKcalColumn.at(kTargetTop, kRowHeight + 2), number))
        ->setAccessibleDescription(QStringLiteral("Target energy expenditure kcal"));
    bindLabel(model.Label26, QRect(kScrollBarLeft, kTargetTop, kShareWidth, kRowHeight + 2))
        ->setContentsMargins(inset, 0, 0, 0);

    // Right edge: the picture buttons that repeat the menu.
    bindPicture(model.Image4, twipsRect(11280, 240, 480, 480));
    bindPicture(model.Image3, twipsRect(11280, 1560, 480, 480));
    bindPicture(model.Image2, twipsRect(11280, 2160, 480, 480));

    // The report, below the name column.
    bindLink(model.Label34, twipsRect(5040, 3840, 1800, 240))
        ->setAccessibleName(QStringLiteral("Copy to Clipboard"));
    bindPicture(model.Image7, twipsRect(5520, 4080, 600, 600));

    setTabOrder(activity, weight);
    setTabOrder(weight, hours);
    setTabOrder(hours, minutes);
    setTabOrder(minutes, table);
    // Then the picture buttons and the link, in reading order: top left to bottom right.
    QWidget* previous = table;
    for (const Control* next :
         std::initializer_list<const Control*>{&model.Image6, &model.Image4, &model.Image3, &model.Image2,
                                               &model.Image5, &model.Label34, &model.Image7}) {
        setTabOrder(previous, widgetOf(*next));
        previous = widgetOf(*next);
    }
    activity->setFocus(Qt::OtherFocusReason);
}

} // namespace movesta
