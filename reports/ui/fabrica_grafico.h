#pragma once

#include "reports/grafico_ranking.h"

class QChartView;
class QImage;
class QWidget;

namespace reports::ui {

// Every call into the chart component sits here: the window only hands over
// the chart-data grid and asks for the chart's picture.
QChartView* CrearVistaGrafico(QWidget* padre);

// Redraws the view from the grid in the grid's type. Bars and pie show one
// bar or slice per row; a line shows each row as one series over the columns.
void DibujarGrafico(QChartView* vista, const ranking::DatosGrafico& datos);

// The chart as it looks on screen, for the clipboard and the printer.
QImage ImagenGrafico(QChartView* vista);

} // namespace reports::ui
