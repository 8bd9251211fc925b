#pragma once

#include "core/reloj.h"
#include "reports/condicion_filtros.h"

#include <string>
#include <vector>

namespace reports {

// What a printout or a file says it is, whatever produced it.
struct Encabezado {
    std::string titulo; // the window's caption or the report's name
    std::string cue;    // the school code; empty when not set
    EstadoFiltros filtros;
    // Filters beyond the panel, already in words ("Apellido: Pérez").
    std::vector<std::string> otrosFiltros;
    long filas = 0;
    core::Fecha impreso;
};

// "dd/mm/yyyy".
std::string FechaDDMMAAAA(core::Fecha fecha);
// "Desde 01/03/2026 hasta 30/11/2026", "Desde 01/03/2026", "Hasta ...", or
// "Todo el período" when neither date filters.
std::string TextoPeriodo(const EstadoFiltros& filtros);
// Each list filter that filters, in words: "Usuario: Alumno", "Grado: ...",
// "Temática: ...".
std::vector<std::string> FiltrosEnPalabras(const EstadoFiltros& filtros);

// The heading's lines: the caption; the school code and the period; the
// filters ("Sin filtros" when none); the row count and the date printed.
std::vector<std::string> LineasEncabezado(const Encabezado& e);

// "Página 3 de 12".
std::string TextoPagina(std::size_t numero, std::size_t total);

} // namespace reports
