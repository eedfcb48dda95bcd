// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The diary's kinds of control: push buttons, the month calendar, the bar chart. Each is Qt's own
// widget (QPushButton, QCalendarWidget) or a plain painting of the model's bars.

#include <QAccessibleWidget>
#include <QCalendarWidget>
#include <QDate>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCharFormat>

#include <algorithm>

#include "platform/qt/colours.h"
#include "platform/qt/form_view.h"
#include "platform/qt/qt_text.h"

namespace movesta {

namespace {

QDate dateOf(const std::string& iso)
{
    return QDate::fromString(toQ(iso), Qt::ISODate);
}

// One bar a day from the bottom, its day below it, the target as a short line across the bar.
class BarChartWidget : public QWidget {
    Q_OBJECT

public:
    BarChartWidget(const BarChart& chart, QWidget* parent)
        : QWidget(parent)
        , m_chart(chart)
    {
        setFocusPolicy(Qt::TabFocus); // a screen reader reaches its description by the keyboard
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QPalette& colours = palette();
        painter.fillRect(rect(), colours.base());
        const auto& bars = m_chart.bars();
        if (bars.empty())
            return;
        double highest = 1;
        for (const BarChart::Bar& bar : bars)
            highest = std::max({highest, bar.value, bar.mark});
        const int labels = fontMetrics().height();
        const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -labels - 2);
        const double slot = area.width() / static_cast<double>(bars.size());
        for (std::size_t i = 0; i < bars.size(); ++i) {
            const BarChart::Bar& bar = bars[i];
            const double left = area.left() + slot * static_cast<double>(i);
            const double height = area.height() * bar.value / highest;
            painter.fillRect(QRectF(left + slot * 0.15, area.bottom() - height, slot * 0.7, height),
                             colours.highlight());
            if (bar.mark >= 0) {
                const double y = area.bottom() - area.height() * bar.mark / highest;
                painter.setPen(QPen(colours.text(), 2));
                painter.drawLine(QPointF(left, y), QPointF(left + slot, y));
            }
            painter.setPen(colours.text().color());
            painter.drawText(QRectF(left, area.bottom() + 2, slot, labels), Qt::AlignCenter, toQ(bar.label));
        }
        if (hasFocus()) {
            painter.setPen(QPen(colours.highlight(), 1, Qt::DotLine));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }

private:
    const BarChart& m_chart;
};

// Read as a chart, its description the text alternative, rather than as a filler without a role.
QAccessibleInterface* chartAccessible(const QString&, QObject* object)
{
    if (auto* chart = qobject_cast<BarChartWidget*>(object))
        return new QAccessibleWidget(chart, QAccessible::Chart);
    return nullptr;
}

} // namespace

QPushButton* FormView::bindButton(CommandButton& button, QRect geometry)
{
    auto* widget = new QPushButton(toQ(button.caption()), m_client);
    widget->setGeometry(m_scale.rect(geometry));
    Binding& b = addBinding(button, widget, Kind{});
    b.connections.push_back(connect(widget, &QPushButton::clicked, widget, [&button] { button.click(); }));
    return widget;
}

QCalendarWidget* FormView::bindCalendar(Calendar& calendar, QRect geometry)
{
    auto* widget = new QCalendarWidget(m_client);
    widget->setGeometry(m_scale.rect(geometry));
    widget->setGridVisible(false);
    widget->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    widget->setFirstDayOfWeek(Qt::Monday);
    // Qt leaves the month's arrows and its table of days without names for a screen reader.
    for (const auto& [child, name] : {std::pair{"qt_calendar_prevmonth", "Previous month"},
                                      {"qt_calendar_nextmonth", "Next month"},
                                      {"qt_calendar_calendarview", "Days of the month"}})
        if (auto* part = widget->findChild<QWidget*>(QLatin1String(child)))
            part->setAccessibleName(QLatin1String(name));
    auto marked = std::make_shared<std::vector<QDate>>();
    auto show = [widget, &calendar, marked] {
        QSignalBlocker block(widget);
        if (const QDate date = dateOf(calendar.date()); date.isValid() && date != widget->selectedDate())
            widget->setSelectedDate(date);
        if (const QDate month = dateOf(calendar.month() + "-01"); month.isValid())
            widget->setCurrentPage(month.year(), month.month());
        // Days with entries in bold, in the link colour made readable on the days' base: they
        // stand out in any theme.
        for (const QDate& day : *marked)
            widget->setDateTextFormat(day, QTextCharFormat());
        marked->clear();
        QTextCharFormat standOut;
        standOut.setFontWeight(QFont::Bold);
        standOut.setForeground(
            ReadableOn(widget->palette().color(QPalette::Link), widget->palette().color(QPalette::Base)));
        standOut.setFontUnderline(true);
        for (const std::string& day : calendar.markedDays())
            if (const QDate date = dateOf(day); date.isValid()) {
                widget->setDateTextFormat(date, standOut);
                marked->push_back(date);
            }
    };
    Kind kind;
    kind.redraw = [show](Aspect aspect, int) {
        if (aspect == Aspect::Selection || aspect == Aspect::Text || aspect == Aspect::Items)
            show();
    };
    kind.restyle = show; // a new palette's link colour
    Binding& b = addBinding(calendar, widget, std::move(kind));
    show();
    b.connections.push_back(connect(widget, &QCalendarWidget::selectionChanged, widget, [widget, &calendar] {
        calendar.choose(fromQ(widget->selectedDate().toString(Qt::ISODate)));
    }));
    b.connections.push_back(
        connect(widget, &QCalendarWidget::currentPageChanged, widget, [&calendar](int year, int month) {
            calendar.showMonth(fromQ(QDate(year, month, 1).toString(QStringLiteral("yyyy-MM"))));
        }));
    return widget;
}

QWidget* FormView::bindChart(BarChart& chart, QRect geometry)
{
    static const bool accessible = (QAccessible::installFactory(chartAccessible), true);
    (void)accessible;
    auto* widget = new BarChartWidget(chart, m_client);
    widget->setGeometry(m_scale.rect(geometry));
    Kind kind;
    kind.redraw = [widget, &chart](Aspect aspect, int) {
        if (aspect != Aspect::Items)
            return;
        widget->setAccessibleDescription(toQ(chart.description()));
        widget->update();
    };
    addBinding(chart, widget, std::move(kind));
    widget->setAccessibleDescription(toQ(chart.description()));
    return widget;
}

} // namespace movesta

#include "diary_binders.moc"
