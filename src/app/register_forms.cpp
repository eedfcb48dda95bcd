#include "app/register_forms.h"

#include <memory>

#include "main_window/form1.h"
#include "main_window/form1_view.h"
#include "platform/qt/qt_window_manager.h"

namespace movesta {

void RegisterForms(QtWindowManager& windows, DesktopServices& desktop)
{
    windows.registerForm(kMainWindowId,
                         [&windows, &desktop] { return std::make_unique<Form1>(desktop, windows); });
    windows.registerView(kMainWindowId, [](Window& model, QtWindowManager& manager) -> FormView* {
        return new Form1View(static_cast<Form1&>(model), manager);
    });
}

} // namespace movesta
