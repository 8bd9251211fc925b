#pragma once

#include <QApplication>

// The one QApplication of a GUI test program, made on first use (so listing
// the tests needs no display).
inline QApplication& aplicacion() {
    static int argc = 1;
    static char nombre[] = "pruebas";
    static char* argv[] = {nombre, nullptr};
    static QApplication app(argc, argv);
    return app;
}
