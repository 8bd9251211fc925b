#pragma once

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
// then the list run ordered by return date.
void AbrirListaPrestamos(frm_principal& principal, store::Contexto& ctx,
                         core::ui::Dialogos& dialogos, const std::string& modo);

// The five loan-list commands and the two searches of the menus.
void ConectarListas(frm_principal& principal, store::Contexto& ctx, core::ui::Dialogos& dialogos);

} // namespace app::ui
