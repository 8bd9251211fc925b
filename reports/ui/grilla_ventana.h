#pragma once

#include "reports/grilla_prestamos.h"
#include "reports/lista_prestamos.h"
#include "reports/ui/controles_filtro.h"

#include <QWidget>

#include <string>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace core::ui {
class Dialogos;
}
namespace store {
struct Contexto;
}

namespace reports::ui {

class ModeloGrilla;

// Where a window of the family puts its frame and grid, in twips, and how
// its grid follows the window (see MedidaGrilla).
struct DisenoVentanaGrilla {
    int altoMarco;
    int arribaGrilla;
    int altoGrilla;
    int altoMinimo;
    int restaAlto;
};

// What the loan list and the two searches share: the frame "Filtrar datos"
// with the filter panel and the four buttons, the grid fg_usu under it, the
// list run, reordering by double-click, resizing, printing and copying.
// Each window adds its text boxes, its statement and its handlers.
class VentanaGrilla : public QWidget {
    Q_OBJECT
public:
    // Composes the window's statement ordered by VOrden, runs it and shows
    // the result; a failure is shown (default title) and the grid keeps what
    // it had.
    void Lista(const std::string& VOrden);

    QGroupBox* Frame1;
    ControlesFiltro filtros;
    QPushButton* cmd_buscar;
    QPushButton* cmd_copy;
    QPushButton* cmd_print;
    QPushButton* cmd_reload;
    QTableView* fg_usu;

    const Grilla& grilla() const;

protected:
    VentanaGrilla(store::Contexto& ctx, core::ui::Dialogos& dialogos,
                  const std::vector<ColumnaGrilla>& columnas, const DisenoVentanaGrilla& diseno,
                  QWidget* padre);

    virtual std::string Sentencia(const std::string& VOrden) const = 0;

    // A text box of the left column with its label, in row 0 to 3.
    QLineEdit* cuadroTexto(const char* nombre, const char* etiqueta, int fila);
    // Enter in the box runs the list in that order.
    void alPulsarEnter(QLineEdit* cuadro, const char* VOrden);
    // The panel's state with no typed text yet.
    FiltrosPrestamos filtrosPanel() const;
    // The reset's shared steps after the text boxes were emptied: first
    // items chosen, grid down to one cell, boxes unticked, pickers disabled.
    void limpiarPanelYGrilla();

    store::Contexto& ctx_;
    core::ui::Dialogos& dialogos_;

    void resizeEvent(QResizeEvent* evento) override;

private:
    int px(int twipsX) const;
    int py(int twipsY) const;
    void ubicar(QWidget* w, int x, int y, int ancho, int alto) const;
    QPushButton* boton(const char* nombre, const char* ayuda, const char* icono, int x, int y);
    void mostrarGrilla();
    void seguirSeleccion();
    void reordenar();
    void imprimir();
    void copiar();

    std::vector<ColumnaGrilla> columnas_;
    DisenoVentanaGrilla diseno_;
    ModeloGrilla* modelo_;
};

} // namespace reports::ui
