#pragma once

namespace movesta {

class DesktopServices;
class QtWindowManager;

// Registers the three windows and their views; the main window's `Form1` owns the values
// that the calculators take over, so they are created with a reference to it.
void RegisterForms(QtWindowManager& windows, DesktopServices& desktop);

} // namespace movesta
