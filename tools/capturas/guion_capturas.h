#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QMainWindow;

namespace capturas {

// One screenshot: its name (the PNG's, and what the command line asks for),
// what it shows, and how to bring the program there from the main window
// with every child window closed.
struct Captura {
    const char* nombre;
    const char* descripcion;
    std::function<void(QMainWindow& principal)> preparar;
};

const std::vector<Captura>& Capturas();

// Triggers the menu entry named `accion` (its objectName) of the main window.
void elegir(QMainWindow& principal, const char* accion);

} // namespace capturas
