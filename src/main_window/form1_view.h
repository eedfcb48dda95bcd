// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/qt/form_view.h"

namespace movesta {

class Form1;
class QtWindowManager;

class Form1View : public FormView {
    Q_OBJECT
public:
    Form1View(Form1& model, QtWindowManager& manager);
};

} // namespace movesta
