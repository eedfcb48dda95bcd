// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/qt/form_view.h"

namespace movesta {

class MyActivities;
class QtWindowManager;

class MyActivitiesView : public FormView {
    Q_OBJECT
public:
    MyActivitiesView(MyActivities& model, QtWindowManager& manager);
};

} // namespace movesta
