// Build-time tool: writes the icon as PNG files into a hicolor icon theme tree,
// CARPETA/NxN/apps/NOMBRE.png for every size the program uses. Drawing into
// images needs no display, so no application object is made.
#include "packaging/icono/icono_programa.h"

#include <QDir>

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Uso: renderizar-iconos CARPETA NOMBRE\n";
        return 1;
    }
    const QString carpeta = QString::fromLocal8Bit(argv[1]);
    const QString nombre = QString::fromLocal8Bit(argv[2]);
    for (const int lado : icono::Lados) {
        const QString destino = QStringLiteral("%1/%2x%2/apps").arg(carpeta).arg(lado);
        const QImage imagen = icono::renderizar(lado);
        if (imagen.isNull()) {
            std::cerr << "No se pudo leer el dibujo del icono\n";
            return 1;
        }
        if (!QDir().mkpath(destino) || !imagen.save(destino + "/" + nombre + ".png")) {
            std::cerr << "No se pudo escribir el icono en " << destino.toStdString() << "\n";
            return 1;
        }
    }
    return 0;
}
