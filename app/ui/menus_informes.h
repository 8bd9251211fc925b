#pragma once

namespace core::ui {
class Dialogos;
}
namespace store {
struct Contexto;
}
namespace reports::ui {
class frm_resumen;
}

namespace app::ui {

class frm_principal;

// The "Informes" menu: each command shows the one window of its report (or
// the summary) and runs it. A figure of the summary opens the report or list
// behind it with the summary's filters.
void ConectarInformes(frm_principal& principal, store::Contexto& ctx, core::ui::Dialogos& dialogos);

// Shows the one summary and computes it; also after a successful load when
// the settings ask for it.
reports::ui::frm_resumen* AbrirResumen(frm_principal& principal, store::Contexto& ctx,
                                       core::ui::Dialogos& dialogos);

// Whether the settings of the application folder ask for the summary after
// each successful load.
bool ResumenAlCargar(const store::Contexto& ctx);

} // namespace app::ui
