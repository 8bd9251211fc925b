#include "core/ui/tamano_ventana.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QWidget>

namespace core::ui {

int anchoParaTitulo(const QWidget& ventana) {
    const QFontMetrics letra(QApplication::font("QMdiSubWindowTitleBar"));
    // The icon and three buttons, each about as wide as the bar is high, and
    // the frame's margins.
    const int barra = ventana.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &ventana);
    return letra.horizontalAdvance(ventana.windowTitle()) + 5 * barra + 16;
}

} // namespace core::ui
