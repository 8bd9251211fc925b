#pragma once

#include "reports/condicion_filtros.h"

#include <optional>
#include <string>

namespace core::ui {
class Dialogos;
}
namespace store {
struct Contexto;
}

namespace app::ui {

class frm_principal;

// Shows the one loan list in a mode ("1" to "5"): caption and mode box set,
// the panel set to `filtros` when given, then the list run ordered by return
// date.
void AbrirListaPrestamos(frm_principal& principal, store::Contexto& ctx,
                         core::ui::Dialogos& dialogos, const std::string& modo,
                         const std::optional<reports::EstadoFiltros>& filtros = std::nullopt);

// Opens one more ranking window ("Ranking de Usuarios" or "Ranking de
// Libros"), its panel set to `filtros` when given, grouped as asked.
void AbrirRanking(frm_principal& principal, store::Contexto& ctx, core::ui::Dialogos& dialogos,
                  int agrupacion,
                  const std::optional<reports::EstadoFiltros>& filtros = std::nullopt);

// The five loan-list commands and the two searches of the menus.
void ConectarListas(frm_principal& principal, store::Contexto& ctx, core::ui::Dialogos& dialogos);

} // namespace app::ui
