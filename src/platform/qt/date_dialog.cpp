// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/date_dialog.h"

#include <QDate>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include "platform/qt/number_dialog.h"
#include "platform/qt/qt_text.h"

namespace movesta {

DateDialog::DateDialog(const std::string& title, const std::vector<Box>& boxes, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(toQ(title));
    setModal(true);
    auto* layout = new QFormLayout(this);
    for (const Box& box : boxes) {
        auto* edit = new QDateEdit(this);
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        const QDate date = QDate::fromString(toQ(box.current), Qt::ISODate);
        edit->setDate(date.isValid() ? date : QDate::currentDate());
        auto* caption = new QLabel(toQ(box.prompt), this);
        caption->setBuddy(edit);
        QString name = toQ(box.prompt);
        if (name.endsWith(QLatin1Char(':')))
            name.chop(1);
        edit->setAccessibleName(name);
        layout->addRow(caption, edit);
        m_boxes.push_back(edit);
    }
    // A range never ends before it begins.
    if (m_boxes.size() == 2) {
        QDateEdit* first = m_boxes[0];
        QDateEdit* last = m_boxes[1];
        connect(first, &QDateEdit::dateChanged, last, [last](QDate date) {
            if (last->date() < date)
                last->setDate(date);
        });
        connect(last, &QDateEdit::dateChanged, first, [first](QDate date) {
            if (first->date() > date)
                first->setDate(date);
        });
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (!m_boxes.empty())
        m_boxes.front()->setFocus(Qt::OtherFocusReason);
}

std::vector<std::string> DateDialog::answers() const
{
    std::vector<std::string> dates;
    for (const QDateEdit* box : m_boxes)
        dates.push_back(fromQ(box->date().toString(Qt::ISODate)));
    return dates;
}

std::optional<std::vector<std::string>>
AskDatesInDialog(const std::string& title, const std::vector<DateDialog::Box>& boxes, QWidget* parent)
{
    DateDialog dialog(title, boxes, parent);
    if (!RunAskingDialog(dialog, parent))
        return std::nullopt;
    return dialog.answers();
}

} // namespace movesta
