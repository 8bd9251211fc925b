#pragma once

#include "core/reloj.h"
#include "reports/condicion_filtros.h"
#include "reports/grilla_prestamos.h"

#include <string>
#include <vector>

namespace store {
struct Contexto;
}

// The summary a librarian opens first: a handful of figures, each computed
// by the report or list behind it, so that opening that one shows the same.
namespace reports::informes {

// The report or list behind a figure.
enum class Destino { Mensual, Prestados, Atrasos, Participacion, RankingLibros };

struct Cifra {
    std::string clave;    // the command line's key
    std::string etiqueta; // the window's caption
    std::string valor;
    Destino destino;
};

// The first day of the school year `hoy` falls in: 1 March, of the year
// before in January and February.
core::Fecha InicioCicloLectivo(core::Fecha hoy);

// The filters the report behind a figure opens with: the summary's, with the
// summary's period for the period's figures (the panel's dates, or the
// school year up to today) and without dates for what is out now.
EstadoFiltros FiltrosDestino(Destino destino, const EstadoFiltros& filtros, core::Fecha hoy);

// The period's bounds, loans in the period, loans out now, overdue now,
// members who borrowed in the period against all members with the
// percentage, the five most borrowed titles and the five grades with the
// highest participation. Throws Error.
std::vector<Cifra> Resumen(store::Contexto& ctx, const EstadoFiltros& filtros);

// The summary's grid: one row per figure, its caption and its value.
const std::vector<ColumnaGrilla>& ColumnasResumen();
Grilla GrillaResumen(const std::vector<Cifra>& cifras);

} // namespace reports::informes
