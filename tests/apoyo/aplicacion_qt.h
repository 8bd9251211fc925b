#pragma once

#include <QApplication>

namespace prueba {

// The one QApplication of a GUI test program. It lives until the process
// ends: destroyed among the exit handlers it would outlive Qt's own globals.
inline QApplication& aplicacion() {
    static int argc = 1;
    static char nombre[] = "pruebas";
    static char* argv[] = {nombre, nullptr};
    static auto* app = new QApplication(argc, argv);
    return *app;
}

} // namespace prueba
