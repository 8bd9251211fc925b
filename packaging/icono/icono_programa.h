#pragma once

#include <QIcon>
#include <QImage>

#include <array>

// The program's own icon, drawn once as SVG and built into the program.
namespace icono {

// The square sizes, in pixels, the icon is drawn at for windows and menus.
constexpr std::array<int, 6> Lados{ESTAD_LADOS_ICONO};

// The icon drawn on a transparent square of `lado` pixels; a null image when
// the drawing cannot be read.
QImage renderizar(int lado);

// The icon at every size of `Lados`, for the main window and every child window.
QIcon iconoPrograma();

} // namespace icono
