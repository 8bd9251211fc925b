#pragma once

#include "core/reloj.h"
#include "reports/condicion_filtros.h"
#include "reports/impresion_grilla.h"

#include <string>
#include <vector>

namespace store {
struct Contexto;
}

// The slips the librarian hands to each member who is late: one notice per
// member with every overdue title, several to a page.
namespace reports::informes {

struct LibroAtrasado {
    std::string titulo;
    std::string inventario;
    std::string fechaDevolucion; // as stored, "yyyymmdd"
    std::string dias;
};

struct AvisoDevolucion {
    std::string apellido;
    std::string nombre;
    std::string legajo;
    std::string grado;
    std::vector<LibroAtrasado> libros;
};

// One notice per member among the loans the overdue report lists with these
// filters, in the report's order; a member's loans are those whose document
// is the member's as the store compares it. Throws Error.
std::vector<AvisoDevolucion> AvisosDevolucion(store::Contexto& ctx, const EstadoFiltros& filtros);

// "dd/mm/yyyy" for a stored "yyyymmdd"; any other text as it is.
std::string FechaLegible(const std::string& aaaammdd);

// The notices laid out on portrait pages of the given size in twips: each
// boxed, headed "Aviso de devolución", with the school code and today's date,
// the member, member number and grade, each overdue title with its
// inventory number, due date and days late, and a line to sign. A notice
// goes whole to the next page when it does not fit; only one longer than a
// page is split.
std::vector<PaginaImpresa> ImprimirAvisos(const MedidorTexto& impresora,
                                          const std::vector<AvisoDevolucion>& avisos,
                                          const std::string& cue, core::Fecha hoy,
                                          double anchoPagina, double altoPagina);

} // namespace reports::informes
