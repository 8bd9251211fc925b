#include "core/ui/icono_boton.h"

#include <QFile>

// The resource lives in a static library: nothing would pull it into the
// program unless it is registered by hand before its first use.
static void registrarIconosBotones() {
    Q_INIT_RESOURCE(iconos);
}

namespace core::ui {

QIcon iconoBoton(const char* nombre) {
    registrarIconosBotones();
    const QString ruta = QString(":/botones/%1.svg").arg(nombre);
    return QFile::exists(ruta) ? QIcon(ruta) : QIcon();
}

} // namespace core::ui
