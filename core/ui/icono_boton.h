#pragma once

#include <QIcon>

namespace core::ui {

// The pictures of the program's picture buttons, drawn for it and built into
// it, so they look alike on every desktop, icon theme or none: "buscar",
// "copiar", "imprimir", "limpiar" and "grafico" (the chart-type cycle). An
// unknown name gives a null icon.
QIcon iconoBoton(const char* nombre);

} // namespace core::ui
