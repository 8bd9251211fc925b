#pragma once

#include <string>

class QChartView;
class QPainter;
class QRectF;

namespace reports::ui {

// The chart drawn into `area` as vectors, at the painter's resolution (a
// printer's, a PDF's), its proportions kept.
void PintarGraficoVista(QChartView* vista, QPainter& pintor, const QRectF& area);

// The chart as a PNG picture at `puntosPorPulgada`, as large on paper as on
// screen, with `descripcion` under it. Throws Error(ErrorArchivo).
void GuardarGraficoPng(QChartView* vista, const std::string& ruta, int puntosPorPulgada,
                       const std::string& descripcion);

// The chart as an SVG drawing with `descripcion` under it and as its title.
// Throws Error(ErrorArchivo).
void GuardarGraficoSvg(QChartView* vista, const std::string& ruta, const std::string& descripcion);

} // namespace reports::ui
