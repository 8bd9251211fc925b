#pragma once

#include <string>

// The program's start-up as the librarian sees it, under whatever Qt platform
// the environment names (offscreen in the measurements): when the load window
// first paints, how long the event loop goes without turning while the load
// runs, and when the main window is shown and painted. Times count from
// MEDIDAS_INICIO_NS (the CLOCK_MONOTONIC nanoseconds at which the caller
// started this process) or, without it, from the start of main.
namespace medidas {

// arranque CARPETA
int medirArranque(int argc, char** argv, const std::string& carpeta);

} // namespace medidas
