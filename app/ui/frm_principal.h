#pragma once

#include "app/ui/ayuda.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

class QAction;
class QMenu;

namespace core::ui {
class Dialogos;
}
namespace store {
struct Contexto;
}

namespace app::ui {

// The program's frame: the menu bar and the area where every child window
// opens. It holds no data; it switches four menus after each load and runs
// the store's exit sequence when it closes.
class frm_principal : public QMainWindow {
    Q_OBJECT
public:
    // Every menu and command of the menu bar, named as its objectName; a
    // menu's entry is its menu action.
    struct Acciones {
        QAction* mnu_usuarios;
        QAction* mnu_buscarUsuarios;
        QAction* mnu_usuariosRetrasados;
        QAction* mnu_usuariosTitulos;
        QAction* mnu_usuariosRanking;
        QAction* mnu_libros;
        QAction* mnu_buscarLibros;
        QAction* mnu_librosMorosos;
        QAction* mnu_librosPrestados;
        QAction* mnu_librosRanking;
        QAction* mnu_librosRenovados;
        QAction* mnu_informes;
        QAction* mnu_resumen;
        QAction* mnu_participacion;
        QAction* mnu_sinPrestamos;
        QAction* mnu_sinUso;
        QAction* mnu_atrasos;
        QAction* mnu_mensual;
        QAction* mnu_config;
        QAction* mnu_helpfile;
        QAction* mnu_CUE;
        QAction* mnu_path;
        QAction* mnu_exportar;
        QAction* mnu_leer;
        QAction* mnu_ventana;
        QAction* mnu_cascada;
        QAction* mnu_mosaico;
        QAction* mnu_recargar;
        QAction* mnu_help;
        QAction* mnu_acerca_de;
        QAction* mnu_ayuda;
    };

    frm_principal(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* parent = nullptr);

    // Shows the frame as the user left it last time, maximized the first
    // time; a frame already shown stays as it is.
    void mostrar();
    // Switches "Usuarios", "Libros", "Informes", "Exportar" and "Ventana" on or off.
    void activarMenus(bool activos);
    QMdiArea* area() const { return area_; }
    const Acciones& acciones() const { return acciones_; }

    // The one child of class W, or nullptr when it is not open.
    template <typename W> W* unica() const {
        for (QMdiSubWindow* sub : area_->subWindowList()) {
            if (auto* w = qobject_cast<W*>(sub->widget())) {
                return w;
            }
        }
        return nullptr;
    }
    // Shows the one child of class W, creating it on first use; an open one
    // is brought forward.
    template <typename W, typename... Args> W* mostrarUnica(Args&&... args) {
        for (QMdiSubWindow* sub : area_->subWindowList()) {
            if (auto* w = qobject_cast<W*>(sub->widget())) {
                traerAlFrente(sub);
                return w;
            }
        }
        auto* w = new W(std::forward<Args>(args)...);
        agregarHija(w);
        return w;
    }
    // Shows a new child window inside the frame: wholly inside the area, or
    // maximized when the active one is.
    QMdiSubWindow* agregarHija(QWidget* hija);
    // Activates an open child; a minimized one comes back, a maximized one
    // stays maximized.
    void traerAlFrente(QMdiSubWindow* sub);

    void cascada();
    void mosaico();
    // Where "Ayuda" opens the manual; the desktop's browser until told otherwise.
    void fijarNavegador(Navegador& navegador) { navegador_ = &navegador; }

Q_SIGNALS:
    // "Recargar": the load is to run again.
    void recargaPedida();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void crearMenus();
    void acercaDe();
    void compactarMostrandoEspera();
    // Moves a child into the area's visible part and shrinks it to the area
    // if it is larger, down to its minimum size.
    void dentroDelArea(QMdiSubWindow* sub);
    QString rutaEstadoVentana() const;
    void conectarComandos();
    QMenu* menu(const char* nombre, const QString& titulo);
    QAction* comando(QMenu* menu, const char* nombre, const QString& titulo);
    void listarVentanas();
    void archivoDeAyuda();
    void ayuda();
    void leerExportacion();

    store::Contexto& ctx_;
    core::ui::Dialogos& dialogos_;
    QMdiArea* area_;
    Acciones acciones_{};
    QMenu* ventana_ = nullptr;
    QList<QAction*> listaVentanas_;
    QPointer<QWidget> acercaDe_;
    NavegadorEscritorio navegadorEscritorio_;
    Navegador* navegador_ = &navegadorEscritorio_;
};

} // namespace app::ui
