#include "app/ui/menus_informes.h"

#include "app/ui/frm_principal.h"
#include "app/ui/menus_listas.h"
#include "core/archivo_ini.h"
#include "reports/ranking.h"
#include "reports/ui/frm_atrasos.h"
#include "reports/ui/frm_informes.h"
#include "reports/ui/frm_resumen.h"
#include "store/contexto.h"

#include <QAction>

namespace app::ui {

namespace {

using reports::informes::Destino;

// Shows the one window of report W and runs it with `filtros`, or with its
// panel as it stands.
template <typename W>
W* abrirInforme(frm_principal& principal, store::Contexto& ctx, core::ui::Dialogos& dialogos,
                const reports::EstadoFiltros* filtros = nullptr) {
    auto* ventana = principal.mostrarUnica<W>(ctx, dialogos);
    if (filtros) {
        ventana->mostrarCon(*filtros);
    } else {
        ventana->Listar();
    }
    return ventana;
}

template <typename W>
void alElegir(QAction* accion, frm_principal& p, store::Contexto& ctx,
              core::ui::Dialogos& dialogos) {
    QObject::connect(accion, &QAction::triggered, &p,
                     [&p, &ctx, &dialogos] { abrirInforme<W>(p, ctx, dialogos); });
}

void abrirDestino(frm_principal& p, store::Contexto& ctx, core::ui::Dialogos& dialogos,
                  Destino destino, const reports::EstadoFiltros& filtros) {
    switch (destino) {
    case Destino::Mensual:
        abrirInforme<reports::ui::frm_mensual>(p, ctx, dialogos, &filtros);
        break;
    case Destino::Participacion:
        abrirInforme<reports::ui::frm_participacion>(p, ctx, dialogos, &filtros);
        break;
    case Destino::Atrasos:
        abrirInforme<reports::ui::frm_atrasos>(p, ctx, dialogos, &filtros);
        break;
    case Destino::Prestados:
        AbrirListaPrestamos(p, ctx, dialogos, "4", filtros);
        break;
    case Destino::RankingLibros:
        AbrirRanking(p, ctx, dialogos, reports::ranking::PorLibro, filtros);
        break;
    }
}

} // namespace

reports::ui::frm_resumen* AbrirResumen(frm_principal& principal, store::Contexto& ctx,
                                       core::ui::Dialogos& dialogos) {
    const bool nueva = principal.unica<reports::ui::frm_resumen>() == nullptr;
    auto* resumen = principal.mostrarUnica<reports::ui::frm_resumen>(ctx, dialogos);
    if (nueva) {
        QObject::connect(
            resumen, &reports::ui::frm_resumen::informePedido, &principal,
            [&principal, &ctx, &dialogos](Destino destino, const reports::EstadoFiltros& filtros) {
                abrirDestino(principal, ctx, dialogos, destino, filtros);
            });
    }
    resumen->Listar();
    return resumen;
}

bool ResumenAlCargar(const store::Contexto& ctx) {
    core::Archivo_Ini ini(ctx.carpeta);
    ini.Cargar("INFORMES");
    return ini.ResumenAlCargar == "SI";
}

void ConectarInformes(frm_principal& principal, store::Contexto& ctx,
                      core::ui::Dialogos& dialogos) {
    const frm_principal::Acciones& a = principal.acciones();
    QObject::connect(a.mnu_resumen, &QAction::triggered, &principal,
                     [&principal, &ctx, &dialogos] { AbrirResumen(principal, ctx, dialogos); });
    alElegir<reports::ui::frm_participacion>(a.mnu_participacion, principal, ctx, dialogos);
    alElegir<reports::ui::frm_sin_prestamos>(a.mnu_sinPrestamos, principal, ctx, dialogos);
    alElegir<reports::ui::frm_sin_uso>(a.mnu_sinUso, principal, ctx, dialogos);
    alElegir<reports::ui::frm_atrasos>(a.mnu_atrasos, principal, ctx, dialogos);
    alElegir<reports::ui::frm_mensual>(a.mnu_mensual, principal, ctx, dialogos);
}

} // namespace app::ui
