#include "reports/ui/salida_grafico.h"

#include "core/error.h"

#include <QChart>
#include <QChartView>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace reports::ui {

namespace {

// The chart with its description under it, in `area`.
void pintarConDescripcion(QChartView* vista, QPainter& pintor, const QRectF& area,
                          const std::string& descripcion) {
    const double alto = QFontMetricsF(pintor.font()).height() * 1.5;
    PintarGraficoVista(vista, pintor, area.adjusted(0, 0, 0, -alto));
    pintor.setPen(Qt::black);
    pintor.drawText(QRectF(area.left(), area.bottom() - alto, area.width(), alto),
                    Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(descripcion));
}

[[noreturn]] void fallo(const std::string& ruta) {
    throw core::Error(core::Error::ErrorArchivo,
                      "No se pudo escribir " + ruta + " (¿carpeta sin permiso o disco lleno?)");
}

} // namespace

void PintarGraficoVista(QChartView* vista, QPainter& pintor, const QRectF& area) {
    QGraphicsScene* escena = vista->chart()->scene();
    const QRectF origen = vista->chart()->sceneBoundingRect();
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    escena->render(&pintor, area, origen, Qt::KeepAspectRatio);
    pintor.restore();
}

void GuardarGraficoPng(QChartView* vista, const std::string& ruta, int puntosPorPulgada,
                       const std::string& descripcion) {
    const double escala = puntosPorPulgada / static_cast<double>(vista->logicalDpiX());
    const QSizeF tamano = vista->chart()->size() * escala;
    QFont fuente = vista->font();
    if (fuente.pointSizeF() > 0) {
        fuente.setPointSizeF(fuente.pointSizeF() * escala);
    } else {
        fuente.setPixelSize(static_cast<int>(fuente.pixelSize() * escala));
    }
    const double altoTexto = QFontMetricsF(fuente).height() * 1.5;
    QImage imagen(tamano.toSize() + QSize(0, static_cast<int>(altoTexto)), QImage::Format_RGB32);
    imagen.setDotsPerMeterX(static_cast<int>(puntosPorPulgada / 0.0254));
    imagen.setDotsPerMeterY(static_cast<int>(puntosPorPulgada / 0.0254));
    imagen.fill(Qt::white);
    {
        QPainter pintor(&imagen);
        pintor.setFont(fuente);
        pintarConDescripcion(vista, pintor, QRectF(QPointF(0, 0), QSizeF(imagen.size())),
                             descripcion);
    }
    if (!imagen.save(QString::fromStdString(ruta), "PNG")) {
        fallo(ruta);
    }
}

void GuardarGraficoSvg(QChartView* vista, const std::string& ruta, const std::string& descripcion) {
    const QSizeF tamano = vista->chart()->size();
    const double altoTexto = QFontMetricsF(vista->font()).height() * 1.5;
    QSvgGenerator svg;
    svg.setFileName(QString::fromStdString(ruta));
    svg.setTitle(QString::fromStdString(descripcion));
    svg.setSize(
        QSize(static_cast<int>(tamano.width()), static_cast<int>(tamano.height() + altoTexto)));
    svg.setViewBox(QRectF(0, 0, tamano.width(), tamano.height() + altoTexto));
    QPainter pintor;
    if (!pintor.begin(&svg)) {
        fallo(ruta);
    }
    pintor.setFont(vista->font());
    pintarConDescripcion(vista, pintor, QRectF(0, 0, tamano.width(), tamano.height() + altoTexto),
                         descripcion);
    pintor.end();
}

} // namespace reports::ui
