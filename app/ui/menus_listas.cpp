#include "app/ui/menus_listas.h"

#include "app/ui/frm_principal.h"
#include "reports/ui/frm_busqueda_libros.h"
#include "reports/ui/frm_busqueda_usuarios.h"
#include "reports/ui/frm_usuarios_libros.h"

#include <QAction>
#include <QLineEdit>

namespace app::ui {

namespace {

struct ComandoLista {
    const char* accion;
    const char* modo;
};

constexpr ComandoLista ComandosLista[] = {
    {"mnu_usuariosTitulos", "1"}, {"mnu_librosRenovados", "2"}, {"mnu_usuariosRetrasados", "3"},
    {"mnu_librosPrestados", "4"}, {"mnu_librosMorosos", "5"},
};

} // namespace

void AbrirListaPrestamos(frm_principal& principal, store::Contexto& ctx,
                         core::ui::Dialogos& dialogos, const std::string& modo) {
    auto* lista = principal.mostrarUnica<reports::ui::frm_usuarios_libros>(ctx, dialogos);
    for (const reports::ModoLista& m : reports::ModosLista()) {
        if (modo == m.modo) {
            lista->setWindowTitle(m.titulo);
        }
    }
    lista->txt_criterio->setText(QString::fromStdString(modo));
    lista->Lista("devuelto");
}

void ConectarListas(frm_principal& principal, store::Contexto& ctx, core::ui::Dialogos& dialogos) {
    for (const ComandoLista& c : ComandosLista) {
        QObject::connect(principal.accion(c.accion), &QAction::triggered, &principal,
                         [&principal, &ctx, &dialogos, modo = c.modo] {
                             AbrirListaPrestamos(principal, ctx, dialogos, modo);
                         });
    }
    QObject::connect(principal.accion("mnu_buscarLibros"), &QAction::triggered, &principal,
                     [&principal, &ctx, &dialogos] {
                         principal.mostrarUnica<reports::ui::frm_busqueda_libros>(ctx, dialogos);
                     });
    QObject::connect(principal.accion("mnu_buscarUsuarios"), &QAction::triggered, &principal,
                     [&principal, &ctx, &dialogos] {
                         principal.mostrarUnica<reports::ui::frm_busqueda_usuarios>(ctx, dialogos);
                     });
}

} // namespace app::ui
