#include "app/ui/frm_principal.h"

#include "app/ui/ayuda.h"
#include "app/ui/frmAbout.h"
#include "app/ui/frm_configCUE.h"
#include "app/ui/frm_configPath.h"
#include "app/ui/menus_listas.h"
#include "core/ui/dialogos.h"
#include "core/ui/mostrar_error.h"
#include "export/lectura_exportacion.h"
#include "export/ui/frm_exporta.h"
#include "reports/ui/frm_ranking.h"
#include "store/almacen.h"
#include "store/contexto.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>

namespace app::ui {

namespace {
// Each ranking command opens one more window, grouped as the command says.
void abrirRanking(frm_principal& principal, store::Contexto& ctx, core::ui::Dialogos& dialogos,
                  int agrupacion, const char* titulo) {
    auto* ventana = new reports::ui::frm_ranking(ctx, dialogos);
    principal.agregarHija(ventana);
    ventana->elegirAgrupacion(agrupacion);
    ventana->setWindowTitle(titulo);
}
} // namespace

frm_principal::frm_principal(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), dialogos_(dialogos), area_(new QMdiArea(this)) {
    setObjectName("frm_principal");
    setWindowTitle("Estadisticas Sistema de Préstamos");
    area_->setObjectName("area");
    setCentralWidget(area_);
    resize(900, 650);

    QMenu* usuarios = menu("mnu_usuarios", "Usuarios");
    comando(usuarios, "mnu_buscarUsuarios", "Búsqueda");
    comando(usuarios, "mnu_usuariosRetrasados", "Morosos");
    comando(usuarios, "mnu_usuariosTitulos", "Títulos retirados");
    connect(comando(usuarios, "mnu_usuariosRanking", "Ranking"), &QAction::triggered, this, [this] {
        abrirRanking(*this, ctx_, dialogos_, reports::ranking::PorUsuario, "Ranking de Usuarios");
    });

    QMenu* libros = menu("mnu_libros", "Libros");
    comando(libros, "mnu_buscarLibros", "Búsqueda");
    comando(libros, "mnu_librosMorosos", "Devueltos con mora");
    comando(libros, "mnu_librosPrestados", "Prestados");
    connect(comando(libros, "mnu_librosRanking", "Ranking"), &QAction::triggered, this, [this] {
        abrirRanking(*this, ctx_, dialogos_, reports::ranking::PorLibro, "Ranking de Libros");
    });
    comando(libros, "mnu_librosRenovados", "Renovados")->setEnabled(false);

    QMenu* config = menu("mnu_config", "Configuración");
    connect(comando(config, "mnu_helpfile", "Archivo de ayuda"), &QAction::triggered, this,
            &frm_principal::archivoDeAyuda);
    connect(comando(config, "mnu_CUE", "Cambiar CUE"), &QAction::triggered, this,
            [this] { mostrarUnica<frm_configCUE>(ctx_, dialogos_); });
    connect(comando(config, "mnu_path", "Path DB"), &QAction::triggered, this,
            [this] { mostrarUnica<frm_configPath>(ctx_, dialogos_); });

    connect(comando(nullptr, "mnu_exportar", "Exportar"), &QAction::triggered, this,
            [this] { mostrarUnica<exportacion::ui::frm_exporta>(ctx_, dialogos_); });
    QAction* leer = comando(nullptr, "mnu_leer", "leer");
    leer->setVisible(false);
    connect(leer, &QAction::triggered, this, &frm_principal::leerExportacion);

    ventana_ = menu("mnu_ventana", "Ventana");
    connect(comando(ventana_, "mnu_cascada", "Cascada"), &QAction::triggered, this,
            &frm_principal::cascada);
    connect(comando(ventana_, "mnu_mosaico", "Mosaico"), &QAction::triggered, this,
            &frm_principal::mosaico);
    ventana_->addSeparator();
    connect(ventana_, &QMenu::aboutToShow, this, &frm_principal::listarVentanas);

    connect(comando(nullptr, "mnu_recargar", "Recargar"), &QAction::triggered, this, [this] {
        if (alRecargar) {
            alRecargar();
        }
    });

    QMenu* ayudaMenu = menu("mnu_help", "?");
    connect(comando(ayudaMenu, "mnu_acerca_de", "Acerca de..."), &QAction::triggered, this, [this] {
        auto* acerca = new frmAbout(dialogos_);
        acerca->setAttribute(Qt::WA_DeleteOnClose);
        acerca->show();
    });
    QAction* f1 = comando(ayudaMenu, "mnu_ayuda", "Ayuda");
    f1->setShortcut(Qt::Key_F1);
    f1->setShortcutContext(Qt::ApplicationShortcut);
    connect(f1, &QAction::triggered, this, &frm_principal::ayuda);
    ConectarListas(*this, ctx_, dialogos_);
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

QAction* frm_principal::accion(const char* nombre) const {
    for (QAction* a : findChildren<QAction*>()) {
        if (a->objectName() == nombre) {
            return a;
        }
    }
    return nullptr;
}

void frm_principal::activarMenus(bool activos) {
    for (const char* nombre : {"mnu_usuarios", "mnu_libros", "mnu_exportar", "mnu_ventana"}) {
        accion(nombre)->setEnabled(activos);
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
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (const std::optional<core::Error> error = store::CompactarBase(ctx_)) {
        core::ui::mostrarError(dialogos_, *error, core::ui::EstiloError::TituloError);
    }
    QApplication::restoreOverrideCursor();
    evento->accept();
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

} // namespace app::ui
