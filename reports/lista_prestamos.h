#pragma once

#include "reports/condicion_filtros.h"

#include <string>
#include <vector>

namespace reports {

// Everything a loan list or search can filter on: the shared panel and the
// typed texts (each window reads the ones it has).
struct FiltrosPrestamos {
    EstadoFiltros panel;
    std::string apellido;
    std::string nombre;
    std::string legajo;
    std::string inventario;
    std::string titulo;
    std::string autor;
};

// A mode of the loan list: its number as text, its window caption and the
// condition it opens the statement with (empty for every loan).
struct ModoLista {
    const char* modo;
    const char* titulo;
    const char* pieza;
};

// Modes "1" to "5" in order.
const std::vector<ModoLista>& ModosLista();

// The loan list's statement for a mode (any text other than "2" to "5" adds
// no mode condition), the filters and the order column. Typed texts are
// placed between quotes with their apostrophes doubled; a typed surname, name,
// title or author that may carry accents is compared without them on both
// sides (the store's sin_acentos).
std::string SentenciaListaPrestamos(const std::string& modo, const FiltrosPrestamos& filtros,
                                    const std::string& VOrden);

// The book search's statement: title, author and inventory number.
std::string SentenciaBusquedaLibros(const FiltrosPrestamos& filtros, const std::string& VOrden);

// The member search's statement: surname, first name and member number; it
// also reads the suspension mark.
std::string SentenciaBusquedaUsuarios(const FiltrosPrestamos& filtros, const std::string& VOrden);

} // namespace reports
