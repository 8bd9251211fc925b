#include "packaging/icono/icono_programa.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The resource lives in a static library: nothing would pull it into the
// program unless it is registered by hand before its first use.
static void registrarRecurso() {
    Q_INIT_RESOURCE(icono);
}

namespace icono {

QImage renderizar(int lado) {
    registrarRecurso();
    QSvgRenderer dibujo(QStringLiteral(":/icono/programa.svg"));
    if (!dibujo.isValid()) {
        return {};
    }
    QImage imagen(lado, lado, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    QPainter pintor(&imagen);
    pintor.setRenderHint(QPainter::Antialiasing);
    dibujo.render(&pintor, QRectF(0, 0, lado, lado));
    return imagen;
}

QIcon iconoPrograma() {
    QIcon resultado;
    for (const int lado : Lados) {
        const QImage imagen = renderizar(lado);
        if (!imagen.isNull()) {
            resultado.addPixmap(QPixmap::fromImage(imagen));
        }
    }
    return resultado;
}

} // namespace icono
