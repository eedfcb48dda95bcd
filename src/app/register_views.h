#pragma once

namespace movesta {

class QtWindowManager;

// Gives each of the three windows, registered by RegisterWindows, its Qt view.
void RegisterViews(QtWindowManager& windows);

} // namespace movesta
