// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/number_dialog.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/number_rules.h"
#include "platform/qt/form_view.h"
#include "platform/qt/qt_text.h"

namespace movesta {

NumberDialog::NumberDialog(const DesktopServices::NumberQuestion& question, QWidget* parent)
    : QDialog(parent)
    , m_box(new QLineEdit(this))
{
    setWindowTitle(toQ(question.title));
    setModal(true);
    auto* caption = new QLabel(toQ(question.prompt), this);
    // The caption is the box's buddy, and its text the box's name for screen readers.
    caption->setBuddy(m_box);
    QString name = toQ(question.prompt);
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    m_box->setAccessibleName(name);
    m_box->setMaxLength(question.digits);
    m_box->setText(toQ(question.current));
    m_box->selectAll(); // typing replaces the current number
    m_box->installEventFilter(this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_box);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_box->setFocus(Qt::OtherFocusReason);
}

std::string NumberDialog::answer() const
{
    return fromQ(m_box->text());
}

bool NumberDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Escape is the dialog's Cancel, not a character for the box; every other typed character
    // passes the digit filter, which drops all but digits and control keys.
    if (watched == m_box && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int code = CharacterCode(*key);
        if (key->key() != Qt::Key_Escape && code >= 0 && DigitKeyFilter(code) == 0)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool RunAskingDialog(QDialog& dialog, QWidget* asking)
{
    const QPointer<QWidget> window = asking;
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (window)
        window->activateWindow();
    return accepted;
}

std::optional<std::string> AskNumberInDialog(const DesktopServices::NumberQuestion& question, QWidget* parent)
{
    NumberDialog dialog(question, parent);
    if (!RunAskingDialog(dialog, parent))
        return std::nullopt;
    return dialog.answer();
}

} // namespace movesta
