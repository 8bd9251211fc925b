#pragma once

#include <QApplication>

// The one QApplication of a GUI test program.
inline QApplication& aplicacion() {
    static int argc = 1;
    static char nombre[] = "pruebas";
    static char* argv[] = {nombre, nullptr};
    static QApplication app(argc, argv);
    return app;
}
