// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The small modal dialog that asks for a whole number: the question's caption with its box, OK
// and Cancel. The box takes typed digits as the windows' numeric boxes do (DigitKeyFilter).

#include <QDialog>

#include <optional>
#include <string>

#include "platform/desktop_services.h"

class QLineEdit;

namespace movesta {

class NumberDialog : public QDialog {
    Q_OBJECT
public:
    NumberDialog(const DesktopServices::NumberQuestion& question, QWidget* parent);
    QLineEdit* box() const { return m_box; }
    std::string answer() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_box;
};

// Shows a dialog of the program's and waits for it: true on OK. The keyboard goes back to the
// window that asked, also where no window manager hands it on.
bool RunAskingDialog(QDialog& dialog, QWidget* asking);

// Shows the dialog and waits for it: the box's text on OK, nothing on Cancel.
std::optional<std::string> AskNumberInDialog(const DesktopServices::NumberQuestion& question,
                                             QWidget* parent);

} // namespace movesta
