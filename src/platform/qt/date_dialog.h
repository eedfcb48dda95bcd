// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The small modal dialog that asks for a date, or for two (a range): each a caption with its
// date box (arrows, typed digits, or a calendar that drops down), OK and Cancel.

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QDateEdit;

namespace movesta {

class DateDialog : public QDialog {
    Q_OBJECT
public:
    struct Box {
        std::string prompt;  // the caption, also the box's name for screen readers
        std::string current; // ISO date; today when empty or unreadable
    };
    DateDialog(const std::string& title, const std::vector<Box>& boxes, QWidget* parent);
    const std::vector<QDateEdit*>& boxes() const { return m_boxes; }
    std::vector<std::string> answers() const; // ISO dates

private:
    std::vector<QDateEdit*> m_boxes;
};

// Shows the dialog and waits for it: the dates on OK, nothing on Cancel.
std::optional<std::vector<std::string>>
AskDatesInDialog(const std::string& title, const std::vector<DateDialog::Box>& boxes, QWidget* parent);

} // namespace movesta
