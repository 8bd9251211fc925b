#pragma once

#include "reports/grilla_prestamos.h"
#include "reports/lista_prestamos.h"
#include "reports/ui/controles_filtro.h"

#include <QWidget>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;

namespace core::ui {
class Dialogos;
class Disposicion;
struct Ubicacion;
} // namespace core::ui
namespace store {
struct Contexto;
}

namespace reports::ui {

class AccionesSalida;
class ModeloGrilla;
struct DisenoVentanaGrilla;

// What the loan list, the two searches and the reports share: the frame
// "Filtrar datos" (Frame1) with the filter panel and the four buttons
// cmd_buscar, cmd_copy, cmd_print and cmd_reload, the grid fg_usu under it,
// the list run, reordering by double-click, resizing, printing and copying,
// and cmd_salidas' menu of outputs (also the grid's context menu).
// Each window adds its text boxes, its query and its handlers.
class VentanaGrilla : public QWidget {
    Q_OBJECT
public:
    // Runs the window's query ordered by VOrden and shows the result; a
    // failure is shown (default title) and the grid keeps what it had.
    void Lista(const std::string& VOrden);

    const Grilla& grilla() const;
    // The designed size; cascading and tiling start from it.
    QSize sizeHint() const override;
    // Sets the filter panel without running anything.
    void fijarFiltros(const EstadoFiltros& estado);
    // What every printout and file of the grid says first: the caption, the
    // school code, the period, every filter set (the panel's and the typed
    // ones), the row count and today's date.
    std::vector<std::string> encabezado() const;

Q_SIGNALS:
    // A list run has put a new grid in place.
    void grillaMostrada();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

    VentanaGrilla(store::Contexto& ctx, core::ui::Dialogos& dialogos,
                  const std::vector<ColumnaGrilla>& columnas, const DisenoVentanaGrilla& diseno,
                  QWidget* padre);

    // The grid of one run ordered by VOrden. Throws Error.
    virtual Grilla Consultar(const std::string& VOrden) = 0;
    // The grid of the window's columns that a statement gives.
    Grilla GrillaDeSentencia(const std::string& sentencia);
    // A double-click on a data cell: reorders by its column when it is in row
    // 1, as on a header.
    virtual void alDobleClicEnCelda();

    // A text box of the left column with its label, in row 0 to 3.
    QLineEdit* cuadroTexto(const char* nombre, const char* etiqueta, int fila);
    // Enter in the box runs the list in that order.
    void alPulsarEnter(QLineEdit* cuadro, const char* VOrden);
    // "Buscar" runs the list in that order.
    void alBuscar(const char* VOrden);
    // Every change of the panel (a date box ticked or a date changed, a list
    // chosen) calls `listar`: the reports run again without "Buscar".
    void alCambiarFiltros(const std::function<void()>& listar);
    // "Limpiar formulario" empties `cuadros`, chooses the lists' first items,
    // empties the grid down to one cell, unticks the boxes and disables the
    // pickers, in that order; the mode, if any, stays.
    void alLimpiar(std::initializer_list<QLineEdit*> cuadros);

    ControlesFiltro& filtros() { return filtros_; }
    const ControlesFiltro& filtros() const { return filtros_; }
    // The panel's state with no typed text yet.
    FiltrosPrestamos filtrosPanel() const;
    store::Contexto& contexto() { return ctx_; }
    core::ui::Dialogos& dialogos() { return dialogos_; }

    // A picture button in the frame, and a control placed by the window's table.
    QPushButton* boton(const char* nombre, const char* ayuda, const char* icono);
    void ubicar(const core::ui::Ubicacion& ubicacion);
    // A label standing just left of its control, named after it.
    void etiquetar(const QWidget* control, const char* texto);
    // The outputs' actions (cmd_salidas' menu and the grid's context menu).
    AccionesSalida& salidas() { return *salidas_; }

private:
    void limpiarPanelYGrilla();
    void mostrarGrilla();
    int anchoColumna(int seccion, int disenado) const;
    void seguirSeleccion();
    void reordenar();
    void imprimir();
    void copiar(bool conTitulos);
    void crearSalidas();
    // The typed boxes, ticked boxes and other lists of the frame, in words.
    std::vector<std::string> otrosFiltros() const;
    int px(int twipsX) const;
    int py(int twipsY) const;

    store::Contexto& ctx_;
    core::ui::Dialogos& dialogos_;
    QWidget* pagina_; // what scrolls when the window is smaller than its design
    QGroupBox* Frame1;
    ControlesFiltro filtros_;
    QPushButton* cmd_buscar;
    QPushButton* cmd_copy;
    QPushButton* cmd_print;
    QPushButton* cmd_reload;
    QToolButton* cmd_salidas; // preview, PDF, CSV, XLSX, copy with captions
    QTableView* fg_usu;
    QLabel* lbl_filas;         // how many rows the run gave
    QLabel* lbl_sinResultados; // over the grid when it gave none
    std::vector<ColumnaGrilla> columnas_;
    ModeloGrilla* modelo_;
    core::ui::Disposicion* disposicion_;
    AccionesSalida* salidas_;
};

} // namespace reports::ui
