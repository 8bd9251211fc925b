#include "core/ui/cursor_ocupado.h"

#include <QCursor>
#include <QGuiApplication>

namespace core::ui {

CursorOcupado::CursorOcupado() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

CursorOcupado::~CursorOcupado() {
    QGuiApplication::restoreOverrideCursor();
}

} // namespace core::ui
