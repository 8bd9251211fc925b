#pragma once

#include "reports/impresion_grilla.h"

#include <QFont>
#include <QFontMetricsF>

#include <functional>
#include <string>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace reports::papel {

// Text measured with a font sized in twips, as the pages are laid out.
class MedidorQt : public MedidorTexto {
public:
    explicit MedidorQt(const QFont& fuente) : metricas_(fuente) {}
    double ancho(const std::string& texto) const override {
        return metricas_.horizontalAdvance(QString::fromStdString(texto));
    }
    double altoLinea() const override { return metricas_.height(); }
    double ascenso() const { return metricas_.ascent(); }

private:
    QFontMetricsF metricas_;
};

// "Verdana" of `puntos` points (or the closest installed font), sized in
// twips for a painter that draws in twips.
QFont FuenteVerdana(int puntos);

// The printable part of the device's page, in twips.
Hoja HojaDe(QPagedPaintDevice& dispositivo);

// Draws a chart into a rectangle of the page, in the painter's units.
using DibujoGrafico = std::function<void(QPainter&, const QRectF&)>;

// Draws the pages laid out in twips, one device page each; a chart's place
// is filled by `grafico`. Throws Error(ErrorImpresora) when the device
// cannot be painted on.
void DibujarPaginas(QPagedPaintDevice& dispositivo, const std::vector<PaginaImpresa>& paginas,
                    const QFont& fuente, const MedidorQt& medidor,
                    const DibujoGrafico& grafico = {});

// The grid in landscape, with the heading on every page and "Página N de
// M" at every foot; with `grafico`, a last page holds the chart and its
// description. Throws Error(ErrorImpresora).
void ImprimirTabla(QPagedPaintDevice& dispositivo, const Grilla& grilla,
                   const std::vector<std::string>& encabezado, const DibujoGrafico& grafico = {},
                   const std::string& descripcion = {});

} // namespace reports::papel
