#pragma once

class QWidget;

namespace core::ui {

// The width a window needs for its caption to show whole in a title bar:
// the text at the title bar's font, plus the icon and the buttons beside it.
int anchoParaTitulo(const QWidget& ventana);

} // namespace core::ui
