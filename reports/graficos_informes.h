#pragma once

#include "reports/grafico_ranking.h"
#include "reports/grilla.h"

// The charts of the reports, as the chart factory draws the rankings': a
// grid of data with labels, values and series colours.
namespace reports::informes {

// Participation: one bar per grade, its percentage of readers, in the grid's
// order; the total row is left out and a member without grade shows as
// "(sin grado)".
ranking::DatosGrafico GraficoParticipacion(const Grilla& grilla);

// The monthly trend: two lines over the months in calendar order, the
// period's loans and the loans of the same months a year earlier.
ranking::DatosGrafico GraficoMensual(const Grilla& grilla);

} // namespace reports::informes
