#include "app/ui/frm_principal.h"

#include "app/ui/ayuda.h"
#include "app/ui/frmAbout.h"
#include "app/ui/frm_configCUE.h"
#include "app/ui/frm_configPath.h"
#include "app/ui/menus_informes.h"
#include "app/ui/menus_listas.h"
#include "core/ui/cursor_ocupado.h"
#include "core/ui/dialogos.h"
#include "core/ui/mostrar_error.h"
#include "export/lectura_exportacion.h"
#include "export/ui/frm_exporta.h"
#include "reports/ranking.h"
#include "store/almacen.h"
#include "store/contexto.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>

namespace app::ui {

namespace {

using Acciones = frm_principal::Acciones;

// One entry of the menu bar, in order: a menu, a command inside the last
// menu, or a command on the bar itself.
struct EntradaMenu {
    enum Lugar { Menu, EnElMenu, EnLaBarra } lugar;
    QAction* Acciones::*accion;
    const char* nombre;
    const char* titulo;
};

constexpr EntradaMenu BarraDeMenus[] = {
    {EntradaMenu::Menu, &Acciones::mnu_usuarios, "mnu_usuarios", "Usuarios"},
    {EntradaMenu::EnElMenu, &Acciones::mnu_buscarUsuarios, "mnu_buscarUsuarios", "Búsqueda"},
    {EntradaMenu::EnElMenu, &Acciones::mnu_usuariosRetrasados, "mnu_usuariosRetrasados", "Morosos"},
    {EntradaMenu::EnElMenu, &Acciones::mnu_usuariosTitulos, "mnu_usuariosTitulos",
     "Títulos retirados"},
    {EntradaMenu::EnElMenu, &Acciones::mnu_usuariosRanking, "mnu_usuariosRanking", "Ranking"},
    {EntradaMenu::Menu, &Acciones::mnu_libros, "mnu_libros", "Libros"},
    {EntradaMenu::EnElMenu, &Acciones::mnu_buscarLibros, "mnu_buscarLibros", "Búsqueda"},
    {EntradaMenu::EnElMenu, &Acciones::mnu_librosMorosos, "mnu_librosMorosos",
     "Devueltos con mora"},
    {EntradaMenu::EnElMenu, &Acciones::mnu_librosPrestados, "mnu_librosPrestados", "Prestados"},
    {EntradaMenu::EnElMenu, &Acciones::mnu_librosRanking, "mnu_librosRanking", "Ranking"},
    {EntradaMenu::EnElMenu, &Acciones::mnu_librosRenovados, "mnu_librosRenovados", "Renovados"},
    {EntradaMenu::Menu, &Acciones::mnu_informes, "mnu_informes", "Informes"},
    {EntradaMenu::EnElMenu, &Acciones::mnu_resumen, "mnu_resumen", "Resumen"},
    {EntradaMenu::EnElMenu, &Acciones::mnu_participacion, "mnu_participacion",
     "Participación por grado"},
    {EntradaMenu::EnElMenu, &Acciones::mnu_sinPrestamos, "mnu_sinPrestamos",
     "Socios sin préstamos"},
    {EntradaMenu::EnElMenu, &Acciones::mnu_sinUso, "mnu_sinUso", "Ejemplares sin uso"},
    {EntradaMenu::EnElMenu, &Acciones::mnu_atrasos, "mnu_atrasos", "Atrasos"},
    {EntradaMenu::EnElMenu, &Acciones::mnu_mensual, "mnu_mensual", "Evolución mensual"},
    {EntradaMenu::Menu, &Acciones::mnu_config, "mnu_config", "Configuración"},
    {EntradaMenu::EnElMenu, &Acciones::mnu_helpfile, "mnu_helpfile", "Archivo de ayuda"},
    {EntradaMenu::EnElMenu, &Acciones::mnu_CUE, "mnu_CUE", "Cambiar CUE"},
    {EntradaMenu::EnElMenu, &Acciones::mnu_path, "mnu_path", "Path DB"},
    {EntradaMenu::EnLaBarra, &Acciones::mnu_exportar, "mnu_exportar", "Exportar"},
    {EntradaMenu::EnLaBarra, &Acciones::mnu_leer, "mnu_leer", "leer"},
    {EntradaMenu::Menu, &Acciones::mnu_ventana, "mnu_ventana", "Ventana"},
    {EntradaMenu::EnElMenu, &Acciones::mnu_cascada, "mnu_cascada", "Cascada"},
    {EntradaMenu::EnElMenu, &Acciones::mnu_mosaico, "mnu_mosaico", "Mosaico"},
    {EntradaMenu::EnLaBarra, &Acciones::mnu_recargar, "mnu_recargar", "Recargar"},
    {EntradaMenu::Menu, &Acciones::mnu_help, "mnu_help", "?"},
    {EntradaMenu::EnElMenu, &Acciones::mnu_acerca_de, "mnu_acerca_de", "Acerca de..."},
    {EntradaMenu::EnElMenu, &Acciones::mnu_ayuda, "mnu_ayuda", "Ayuda"},
};

} // namespace

frm_principal::frm_principal(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), dialogos_(dialogos), area_(new QMdiArea(this)) {
    setObjectName("frm_principal");
    setWindowTitle("Estadisticas Sistema de Préstamos");
    area_->setObjectName("area");
    setCentralWidget(area_);
    resize(900, 650);

    crearMenus();
    conectarComandos();
    ConectarListas(*this, ctx_, dialogos_);
    ConectarInformes(*this, ctx_, dialogos_);
}

void frm_principal::crearMenus() {
    QMenu* actual = nullptr;
    for (const EntradaMenu& e : BarraDeMenus) {
        QAction*& accion = acciones_.*e.accion;
        switch (e.lugar) {
        case EntradaMenu::Menu:
            actual = menu(e.nombre, e.titulo);
            accion = actual->menuAction();
            break;
        case EntradaMenu::EnLaBarra:
            accion = comando(nullptr, e.nombre, e.titulo);
            break;
        case EntradaMenu::EnElMenu:
            accion = comando(actual, e.nombre, e.titulo);
            break;
        }
    }
    acciones_.mnu_librosRenovados->setEnabled(false);
    acciones_.mnu_leer->setVisible(false);
    // The open windows are listed under the separator.
    ventana_ = acciones_.mnu_ventana->menu();
    ventana_->addSeparator();
    acciones_.mnu_ayuda->setShortcut(Qt::Key_F1);
    acciones_.mnu_ayuda->setShortcutContext(Qt::ApplicationShortcut);
}

// What each command does; the loan lists and the searches are wired in
// menus_listas.
void frm_principal::conectarComandos() {
    const Acciones& a = acciones_;
    connect(a.mnu_usuariosRanking, &QAction::triggered, this,
            [this] { AbrirRanking(*this, ctx_, dialogos_, reports::ranking::PorUsuario); });
    connect(a.mnu_librosRanking, &QAction::triggered, this,
            [this] { AbrirRanking(*this, ctx_, dialogos_, reports::ranking::PorLibro); });
    connect(a.mnu_helpfile, &QAction::triggered, this, &frm_principal::archivoDeAyuda);
    connect(a.mnu_CUE, &QAction::triggered, this,
            [this] { mostrarUnica<frm_configCUE>(ctx_, dialogos_); });
    connect(a.mnu_path, &QAction::triggered, this,
            [this] { mostrarUnica<frm_configPath>(ctx_, dialogos_); });
    connect(a.mnu_exportar, &QAction::triggered, this,
            [this] { mostrarUnica<exportacion::ui::frm_exporta>(ctx_, dialogos_); });
    connect(a.mnu_leer, &QAction::triggered, this, &frm_principal::leerExportacion);
    connect(a.mnu_cascada, &QAction::triggered, this, &frm_principal::cascada);
    connect(a.mnu_mosaico, &QAction::triggered, this, &frm_principal::mosaico);
    connect(ventana_, &QMenu::aboutToShow, this, &frm_principal::listarVentanas);
    connect(a.mnu_recargar, &QAction::triggered, this, &frm_principal::recargaPedida);
    connect(a.mnu_acerca_de, &QAction::triggered, this, [this] {
        auto* acerca = new frmAbout(dialogos_);
        acerca->setAttribute(Qt::WA_DeleteOnClose);
        acerca->show();
    });
    connect(a.mnu_ayuda, &QAction::triggered, this, &frm_principal::ayuda);
}

QMenu* frm_principal::menu(const char* nombre, const QString& titulo) {
    QMenu* m = menuBar()->addMenu(titulo);
    m->setObjectName(nombre);
    m->menuAction()->setObjectName(nombre);
    return m;
}

QAction* frm_principal::comando(QMenu* menu, const char* nombre, const QString& titulo) {
    QAction* a = menu ? menu->addAction(titulo) : menuBar()->addAction(titulo);
    a->setObjectName(nombre);
    return a;
}

void frm_principal::activarMenus(bool activos) {
    for (QAction* entrada : {acciones_.mnu_usuarios, acciones_.mnu_libros, acciones_.mnu_informes,
                             acciones_.mnu_exportar, acciones_.mnu_ventana}) {
        entrada->setEnabled(activos);
    }
}

QMdiSubWindow* frm_principal::agregarHija(QWidget* hija) {
    hija->setAttribute(Qt::WA_DeleteOnClose);
    // Windows laid out in twips set their size themselves; keep it in the frame.
    const bool conTamano = hija->testAttribute(Qt::WA_Resized);
    const QSize tamano = hija->size();
    QMdiSubWindow* sub = area_->addSubWindow(hija);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // A child that closes itself (Cancelar, Grabar) takes its frame along.
    connect(hija, &QObject::destroyed, sub, &QWidget::close, Qt::QueuedConnection);
    hija->show();
    if (conTamano && hija->size() != tamano) {
        sub->resize(sub->size() + (tamano - hija->size()));
    }
    area_->setActiveSubWindow(sub);
    return sub;
}

void frm_principal::cascada() {
    area_->cascadeSubWindows();
}

void frm_principal::mosaico() {
    // Tiled horizontally: one above the other, each the full width.
    QList<QMdiSubWindow*> visibles;
    for (QMdiSubWindow* sub : area_->subWindowList()) {
        if (sub->isVisible() && !sub->isMinimized()) {
            visibles << sub;
        }
    }
    if (visibles.isEmpty()) {
        return;
    }
    const QRect zona = area_->viewport()->rect();
    const int alto = zona.height() / static_cast<int>(visibles.size());
    for (int i = 0; i < visibles.size(); ++i) {
        visibles[i]->showNormal();
        visibles[i]->setGeometry(0, i * alto, zona.width(), alto);
    }
}

void frm_principal::listarVentanas() {
    for (QAction* a : listaVentanas_) {
        ventana_->removeAction(a);
        a->deleteLater();
    }
    listaVentanas_.clear();
    int n = 0;
    for (QMdiSubWindow* sub : area_->subWindowList()) {
        QAction* a = ventana_->addAction(QString("&%1 %2").arg(++n).arg(sub->windowTitle()));
        a->setCheckable(true);
        a->setChecked(sub == area_->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, sub] { area_->setActiveSubWindow(sub); });
        listaVentanas_ << a;
    }
}

void frm_principal::archivoDeAyuda() {
    app::ui::archivoDeAyuda(ctx_.carpeta, dialogos_);
}

void frm_principal::ayuda() {
    app::ui::ejecutarAyuda(ctx_.carpeta, dialogos_);
}

void frm_principal::leerExportacion() {
    try {
        // The texts read are not shown: the command only tells whether the file loads.
        exportacion::LeerExportacion(ctx_.carpeta);
    } catch (const core::Error& e) {
        core::ui::mostrarError(dialogos_, e, core::ui::EstiloError::TituloPorDefecto);
    }
}

void frm_principal::closeEvent(QCloseEvent* evento) {
    const auto respuesta =
        dialogos_.mensaje("¿Está seguro?", "Salir", core::ui::Dialogos::Botones::SiNo,
                          core::ui::Dialogos::Icono::Pregunta);
    if (respuesta != core::ui::Dialogos::Respuesta::Si) {
        evento->ignore();
        return;
    }
    {
        const core::ui::CursorOcupado ocupado;
        if (const std::optional<core::Error> error = store::CompactarBase(ctx_)) {
            core::ui::mostrarError(dialogos_, *error, core::ui::EstiloError::TituloError);
        }
    }
    evento->accept();
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

} // namespace app::ui
