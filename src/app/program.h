#pragma once

#include <functional>

class QWidget;

namespace pelicast {

// Runs Pelicast with the real platform services: the main window, then the
// event loop until the program ends. `onShown`, when given, runs once the main
// window is first shown (the start-up benchmark quits there).
int RunProgram(int argc, char* argv[], const std::function<void(QWidget*)>& onShown = {});

}  // namespace pelicast
