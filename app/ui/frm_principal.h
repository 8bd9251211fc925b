#pragma once

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

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
    frm_principal(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* parent = nullptr);

    // Switches "Usuarios", "Libros", "Exportar" and "Ventana" on or off.
    void activarMenus(bool activos);
    QMdiArea* area() const { return area_; }
    QAction* accion(const char* nombre) const;

    // Shows the one child of class W, creating it on first use; an open one
    // is brought forward.
    template <typename W, typename... Args> W* mostrarUnica(Args&&... args) {
        for (QMdiSubWindow* sub : area_->subWindowList()) {
            if (auto* w = qobject_cast<W*>(sub->widget())) {
                sub->showNormal();
                area_->setActiveSubWindow(sub);
                return w;
            }
        }
        auto* w = new W(std::forward<Args>(args)...);
        agregarHija(w);
        return w;
    }
    // Shows a new child window inside the frame.
    QMdiSubWindow* agregarHija(QWidget* hija);

    void cascada();
    void mosaico();

    // Hooks for the load window: run again ("Recargar").
    std::function<void()> alRecargar;

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    QMenu* menu(const char* nombre, const QString& titulo);
    QAction* comando(QMenu* menu, const char* nombre, const QString& titulo);
    void listarVentanas();
    void archivoDeAyuda();
    void ayuda();
    void leerExportacion();

    store::Contexto& ctx_;
    core::ui::Dialogos& dialogos_;
    QMdiArea* area_;
    QMenu* ventana_ = nullptr;
    QList<QAction*> listaVentanas_;
};

} // namespace app::ui
