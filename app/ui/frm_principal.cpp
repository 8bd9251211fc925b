#include "app/ui/frm_principal.h"

#include "app/ui/ayuda.h"
#include "app/ui/frmAbout.h"
#include "app/ui/frm_configCUE.h"
#include "app/ui/frm_configPath.h"
#include "app/ui/menus_informes.h"
#include "app/ui/menus_listas.h"
#include "core/carpetas.h"
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
#include <QProgressDialog>
#include <QSettings>

#include <algorithm>
#include <chrono>
#include <future>

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
    // A child larger than the area, or moved past its edge, stays reachable.
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
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
    connect(a.mnu_acerca_de, &QAction::triggered, this, &frm_principal::acercaDe);
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

// One about box: a second choice brings the open one forward.
void frm_principal::acercaDe() {
    if (!acercaDe_) {
        acercaDe_ = new frmAbout(dialogos_, this);
        acercaDe_->setAttribute(Qt::WA_DeleteOnClose);
    }
    acercaDe_->show();
    acercaDe_->raise();
    acercaDe_->activateWindow();
}

QString frm_principal::rutaEstadoVentana() const {
    return QString::fromStdString(ctx_.carpetaConfiguracion) + "/ventana.ini";
}

void frm_principal::mostrar() {
    if (isVisible()) {
        return;
    }
    const QSettings estado(rutaEstadoVentana(), QSettings::IniFormat);
    if (restoreGeometry(estado.value("geometria").toByteArray())) {
        show();
    } else {
        showMaximized();
    }
}

QMdiSubWindow* frm_principal::agregarHija(QWidget* hija) {
    hija->setAttribute(Qt::WA_DeleteOnClose);
    const QMdiSubWindow* activa = area_->activeSubWindow();
    const bool maximizada = activa != nullptr && activa->isMaximized();
    // Windows laid out in twips set their size themselves; keep it in the frame.
    const bool conTamano = hija->testAttribute(Qt::WA_Resized);
    const QSize tamano = hija->size();
    QMdiSubWindow* sub = area_->addSubWindow(hija);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // A child that closes itself (Cancelar, Grabar) takes its frame along.
    connect(hija, &QObject::destroyed, sub, &QWidget::close, Qt::QueuedConnection);
    hija->show();
    // The area shows a child maximized by itself when the active one is.
    if (conTamano && hija->size() != tamano && !sub->isMaximized()) {
        sub->resize(sub->size() + (tamano - hija->size()));
    }
    if (maximizada) {
        sub->showMaximized();
    } else {
        dentroDelArea(sub);
    }
    area_->setActiveSubWindow(sub);
    return sub;
}

void frm_principal::traerAlFrente(QMdiSubWindow* sub) {
    if (sub->isMinimized()) {
        sub->showNormal();
    }
    area_->setActiveSubWindow(sub);
}

void frm_principal::dentroDelArea(QMdiSubWindow* sub) {
    const QSize zona = area_->viewport()->size();
    if (zona.isEmpty()) {
        return;
    }
    const QSize tamano = sub->size().boundedTo(zona).expandedTo(sub->minimumSize());
    const int x = std::clamp(sub->x(), 0, std::max(0, zona.width() - tamano.width()));
    const int y = std::clamp(sub->y(), 0, std::max(0, zona.height() - tamano.height()));
    sub->setGeometry(x, y, tamano.width(), tamano.height());
}

void frm_principal::cascada() {
    area_->cascadeSubWindows();
    // The cascade sizes each window as it would like to be; past the area's
    // edge it is cut down, never below its minimum.
    const QSize zona = area_->viewport()->size();
    for (QMdiSubWindow* sub : area_->subWindowList()) {
        if (sub->isVisible() && !sub->isMinimized()) {
            const QSize libre(zona.width() - sub->x(), zona.height() - sub->y());
            sub->resize(sub->size().boundedTo(libre).expandedTo(sub->minimumSize()));
        }
    }
}

void frm_principal::mosaico() {
    // Tiled horizontally: one above the other, each the full width; when
    // they would be lower than their minimum, in as many columns as needed.
    QList<QMdiSubWindow*> visibles;
    int altoMinimo = 1;
    for (QMdiSubWindow* sub : area_->subWindowList()) {
        if (sub->isVisible() && !sub->isMinimized()) {
            visibles << sub;
            altoMinimo = std::max(altoMinimo,
                                  sub->minimumSizeHint().expandedTo(sub->minimumSize()).height());
        }
    }
    if (visibles.isEmpty()) {
        return;
    }
    const QRect zona = area_->viewport()->rect();
    const int n = static_cast<int>(visibles.size());
    const int filas = std::clamp(zona.height() / altoMinimo, 1, n);
    const int columnas = (n + filas - 1) / filas;
    const int alto = zona.height() / filas;
    const int ancho = zona.width() / columnas;
    for (int i = 0; i < n; ++i) {
        visibles[i]->showNormal();
        visibles[i]->setGeometry((i / filas) * ancho, (i % filas) * alto, ancho, alto);
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
    app::ui::archivoDeAyuda(ctx_.carpetaConfiguracion, dialogos_);
}

void frm_principal::ayuda() {
    app::ui::ejecutarAyuda(ctx_.carpetaConfiguracion, dialogos_, *navegador_,
                           core::indiceManual(core::entornoDelProceso().carpetaEjecutable));
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
    QSettings estado(rutaEstadoVentana(), QSettings::IniFormat);
    estado.setValue("geometria", saveGeometry());
    compactarMostrandoEspera();
    evento->accept();
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

// Compacting a large store takes a while: it runs beside the window, which
// says so and keeps painting, while the user's input waits.
void frm_principal::compactarMostrandoEspera() {
    std::optional<core::Error> error;
    {
        const core::ui::CursorOcupado ocupado;
        QProgressDialog espera("Compactando la base de datos...", QString(), 0, 0, this);
        espera.setObjectName("frm_espera");
        espera.setWindowTitle("Salir");
        espera.setWindowModality(Qt::ApplicationModal);
        espera.setMinimumDuration(0);
        espera.show();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        auto tarea = std::async(std::launch::async, [this] { return store::CompactarBase(ctx_); });
        while (tarea.wait_for(std::chrono::milliseconds(30)) != std::future_status::ready) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
        error = tarea.get();
    }
    if (error) {
        core::ui::mostrarError(dialogos_, *error, core::ui::EstiloError::TituloError);
    }
}

} // namespace app::ui
