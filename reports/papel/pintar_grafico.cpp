#include "reports/papel/pintar_grafico.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace reports::papel {

namespace {

// Colours for series past the palette, and for those it leaves unset.
const QColor ColoresPropios[] = {QColor(31, 119, 180), QColor(255, 127, 14),  QColor(44, 160, 44),
                                 QColor(214, 39, 40),  QColor(148, 103, 189), QColor(140, 86, 75)};

QColor colorSerie(const ranking::DatosGrafico& datos, int serie) {
    const auto s = static_cast<std::size_t>(serie);
    if (s < datos.colores.size() && datos.colores[s]) {
        const ranking::ColorRGB c = *datos.colores[s];
        return {c.r, c.g, c.b};
    }
    return ColoresPropios[s % std::size(ColoresPropios)];
}

double maximo(const ranking::DatosGrafico& datos) {
    double m = 0;
    for (const auto& fila : datos.valores) {
        for (const double v : fila) {
            m = std::max(m, v);
        }
    }
    return m;
}

// Labels of the series, one a line with their colour, in `area`.
void leyenda(QPainter& pintor, const QRectF& area, const ranking::DatosGrafico& datos) {
    const double alto = QFontMetricsF(pintor.font()).height();
    double y = area.top();
    for (int s = 0; s < datos.filas() && y + alto <= area.bottom(); ++s) {
        pintor.fillRect(QRectF(area.left(), y + alto * 0.2, alto * 0.6, alto * 0.6),
                        colorSerie(datos, s));
        const QString texto = QFontMetricsF(pintor.font())
                                  .elidedText(QString::fromStdString(
                                                  datos.etiquetasFila[static_cast<std::size_t>(s)]),
                                              Qt::ElideRight, area.width() - alto);
        pintor.drawText(QPointF(area.left() + alto, y + QFontMetricsF(pintor.font()).ascent()),
                        texto);
        y += alto;
    }
}

} // namespace

void PintarGrafico(QPainter& pintor, const QRectF& area, const ranking::DatosGrafico& datos) {
    pintor.setPen(QPen(Qt::black, 0));
    if (datos.filas() == 0 || maximo(datos) <= 0) {
        pintor.drawText(area, Qt::AlignCenter, "Sin datos");
        return;
    }
    const bool linea = datos.tipo == ranking::TipoGrafico::Linea;
    const bool conLeyenda = !linea || datos.filas() > 1;
    const QRectF ejes(area.left(), area.top(), area.width() * (conLeyenda ? 0.7 : 1.0),
                      area.height());
    if (conLeyenda) {
        leyenda(pintor,
                QRectF(ejes.right() + area.width() * 0.02, area.top(), area.width() * 0.28,
                       area.height()),
                datos);
    }
    // Round ticks from 0, their labels whole beside the axis.
    const ranking::EscalaValores escala = ranking::Escala(datos);
    const QFontMetricsF metricas(pintor.font());
    const double anchoMarcas =
        metricas.horizontalAdvance(QString::number(escala.tope)) + metricas.height() / 2;
    const QRectF trazado = ejes.adjusted(anchoMarcas, metricas.height(), 0, -metricas.height());
    const auto yDe = [&](double v) {
        return trazado.bottom() - v / escala.tope * trazado.height();
    };
    for (double v = 0; v <= escala.tope; v += escala.paso) {
        pintor.drawLine(QPointF(trazado.left() - metricas.height() / 4, yDe(v)),
                        QPointF(trazado.left(), yDe(v)));
        pintor.drawText(QRectF(ejes.left(), yDe(v) - metricas.height() / 2,
                               anchoMarcas - metricas.height() / 3, metricas.height()),
                        Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
    }
    pintor.drawLine(trazado.bottomLeft(), trazado.bottomRight());
    pintor.drawLine(trazado.bottomLeft(), trazado.topLeft());
    if (linea) {
        const int puntos = datos.columnas();
        for (int s = 0; s < datos.filas(); ++s) {
            QPainterPath camino;
            const auto& valores = datos.valores[static_cast<std::size_t>(s)];
            for (int c = 0; c < puntos && c < static_cast<int>(valores.size()); ++c) {
                const QPointF p(trazado.left() + trazado.width() * (c + 0.5) / puntos,
                                yDe(valores[static_cast<std::size_t>(c)]));
                c == 0 ? camino.moveTo(p) : camino.lineTo(p);
            }
            pintor.strokePath(camino, QPen(colorSerie(datos, s), metricas.height() / 8));
        }
        return;
    }
    const int barras = datos.filas();
    const double paso = trazado.width() / barras;
    for (int s = 0; s < barras; ++s) {
        const auto& valores = datos.valores[static_cast<std::size_t>(s)];
        const double v = valores.empty() ? 0 : valores.front();
        pintor.fillRect(QRectF(QPointF(trazado.left() + paso * (s + 0.15), yDe(v)),
                               QPointF(trazado.left() + paso * (s + 0.85), trazado.bottom())),
                        colorSerie(datos, s));
    }
}

} // namespace reports::papel
