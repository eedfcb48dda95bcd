// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/qt/form_view.h"

namespace movesta {

class Form7;
class QtWindowManager;

// The planner window: the inputs on the left, the five-column table of chosen activities with
// its preview and totals rows on the right, picture buttons at the right edge, and its menu.
class Form7View : public FormView {
    Q_OBJECT
public:
    Form7View(Form7& model, QtWindowManager& manager);

protected:
    void restyle() override;

private:
    QTableView* m_table = nullptr; // the list boxes' table
};

} // namespace movesta
