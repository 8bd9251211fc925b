#include "app/ui/menus_listas.h"

#include "app/ui/frm_principal.h"
#include "reports/ui/frm_busqueda_libros.h"
#include "reports/ui/frm_busqueda_usuarios.h"
#include "reports/ui/frm_ranking.h"
#include "reports/ui/frm_usuarios_libros.h"

#include <QAction>

namespace app::ui {

namespace {

using Acciones = frm_principal::Acciones;

struct ComandoLista {
    QAction* Acciones::*accion;
    const char* modo;
};

constexpr ComandoLista ComandosLista[] = {
    {&Acciones::mnu_usuariosTitulos, "1"},    {&Acciones::mnu_librosRenovados, "2"},
    {&Acciones::mnu_usuariosRetrasados, "3"}, {&Acciones::mnu_librosPrestados, "4"},
    {&Acciones::mnu_librosMorosos, "5"},
};

} // namespace

void AbrirListaPrestamos(frm_principal& principal, store::Contexto& ctx,
                         core::ui::Dialogos& dialogos, const std::string& modo,
                         const std::optional<reports::EstadoFiltros>& filtros) {
    auto* lista = principal.mostrarUnica<reports::ui::frm_usuarios_libros>(ctx, dialogos);
    if (filtros) {
        lista->fijarFiltros(*filtros);
    }
    for (const reports::ModoLista& m : reports::ModosLista()) {
        if (modo == m.modo) {
            lista->setWindowTitle(m.titulo);
        }
    }
    lista->fijarModo(modo);
    lista->Lista("devuelto");
}

void AbrirRanking(frm_principal& principal, store::Contexto& ctx, core::ui::Dialogos& dialogos,
                  int agrupacion, const std::optional<reports::EstadoFiltros>& filtros) {
    auto* ventana = new reports::ui::frm_ranking(ctx, dialogos);
    principal.agregarHija(ventana);
    if (filtros) {
        ventana->fijarFiltros(*filtros);
    }
    ventana->elegirAgrupacion(agrupacion);
    ventana->setWindowTitle(agrupacion == reports::ranking::PorUsuario ? "Ranking de Usuarios"
                                                                       : "Ranking de Libros");
}

void ConectarListas(frm_principal& principal, store::Contexto& ctx, core::ui::Dialogos& dialogos) {
    const Acciones& acciones = principal.acciones();
    for (const ComandoLista& c : ComandosLista) {
        QObject::connect(acciones.*c.accion, &QAction::triggered, &principal,
                         [&principal, &ctx, &dialogos, modo = c.modo] {
                             AbrirListaPrestamos(principal, ctx, dialogos, modo);
                         });
    }
    QObject::connect(acciones.mnu_buscarLibros, &QAction::triggered, &principal,
                     [&principal, &ctx, &dialogos] {
                         principal.mostrarUnica<reports::ui::frm_busqueda_libros>(ctx, dialogos);
                     });
    QObject::connect(acciones.mnu_buscarUsuarios, &QAction::triggered, &principal,
                     [&principal, &ctx, &dialogos] {
                         principal.mostrarUnica<reports::ui::frm_busqueda_usuarios>(ctx, dialogos);
                     });
}

} // namespace app::ui
