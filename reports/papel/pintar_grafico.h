#pragma once

#include "reports/grafico_ranking.h"

class QPainter;
class QRectF;

namespace reports::papel {

// The chart drawn with the painter alone, for where the chart component
// (which needs widgets) is not at hand: one bar per series for bars and pie,
// one line per series over the columns for a line; a value axis from 0, the
// series' labels listed beside it with their colours, "Sin datos" when empty.
void PintarGrafico(QPainter& pintor, const QRectF& area, const ranking::DatosGrafico& datos);

} // namespace reports::papel
