// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/qt/form_view.h"

namespace movesta {

class Form4;
class QtWindowManager;

class Form4View : public FormView {
    Q_OBJECT
public:
    Form4View(Form4& model, QtWindowManager& manager);
};

} // namespace movesta
