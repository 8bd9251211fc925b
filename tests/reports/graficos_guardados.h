#pragma once

#include <string>

class QChartView;
class QWidget;

namespace prueba {

struct Entorno;

// Saves the window's chart through its outputs (a PNG at `ppp` dots per inch
// and an SVG drawing, the dialogs answered as a user would) and checks the
// files: the PNG as large as the chart at that resolution and drawn on, the
// SVG well-formed XML with drawing elements and the description as title.
void ComprobarGraficoGuardado(QWidget& ventana, QChartView& grafico, Entorno& entorno, int ppp,
                              const std::string& descripcion);

} // namespace prueba
