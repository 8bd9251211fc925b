#pragma once

#include "reports/grafico_ranking.h"
#include "reports/grilla.h"
#include "reports/ui/controles_filtro.h"

#include <QWidget>

class QButtonGroup;
class QChartView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace core::ui {
class Dialogos;
}
namespace store {
struct Contexto;
}

namespace reports::ui {

class AccionesSalida;

// The ranking window: loans counted per member, title, subject, grade or
// level, largest first, as a text list and a chart. Each window keeps its own
// choices; every change of a choice asks for 5 bars again and refreshes.
//
// Controls by objectName, beside the filter panel's: the options of the
// QButtonGroup "opt_agrupar" are the radio buttons "opt_agrupar_0" to
// "opt_agrupar_4" (button id = index); the "Mostrar" boxes are the check
// boxes "chk_mostrar_0" to "chk_mostrar_6" of the non-exclusive QButtonGroup
// "chk_mostrar" (id = index); then txt_barras, cmd_porcentual, cmd_Vgrafico,
// cmd_copy, cmd_print, cmd_salidas (a menu of outputs), TextLista,
// lbl_descipcionBarras and char_socios; the
// frames are fra_filtrar, fra_fecha, fra_agrupar, fra_mostrar and fra_grafico.
class frm_ranking : public QWidget {
    Q_OBJECT
public:
    frm_ranking(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* parent = nullptr);
    ~frm_ranking() override;

    // Selects option `agrupacion` as a click on it does, refresh included.
    void elegirAgrupacion(int agrupacion);
    // Recomputes the ranking and redraws list, description and chart.
    void Lista();
    // Sets the filter panel without refreshing.
    void fijarFiltros(const EstadoFiltros& estado);

    const ranking::DatosGrafico& datosGrafico() const { return grafico_; }
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void crearControles();
    void crearSalidas();
    void conectar();
    QGroupBox* marco(const char* nombre, const char* titulo);
    QPushButton* botonImagen(const char* nombre, const char* icono, const char* ayuda);

    ranking::Casillas casillas() const;
    void mostrarCasillas(const ranking::Casillas& casillas);
    int agrupacion() const;
    ranking::Presentacion presentacion() const;
    void reiniciarYListar();

    void Graficar();
    void LimpiarGrafico();
    void cambiarTipo();
    void copiar();
    void imprimir();

    store::Contexto& ctx_;
    core::ui::Dialogos& dialogos_;
    QWidget* pagina_; // what scrolls when the window is smaller than its design
    ControlesFiltro filtros_;
    QButtonGroup* opt_agrupar = nullptr;
    QButtonGroup* chk_mostrar = nullptr;
    QLineEdit* txt_barras = nullptr;
    QPushButton* cmd_porcentual = nullptr;
    QPushButton* cmd_Vgrafico = nullptr;
    QPushButton* cmd_copy = nullptr;
    QPushButton* cmd_print = nullptr;
    QPlainTextEdit* TextLista = nullptr;
    QLabel* lbl_descipcionBarras = nullptr;
    QChartView* char_socios = nullptr;
    QGroupBox* marcoGrafico_ = nullptr;

    // Percentages ("%" on cmd_porcentual, as a new window starts) or counts ("N").
    bool porcentaje_ = true;
    ranking::Ranking ranking_;
    ranking::DatosGrafico grafico_;
    // The last ranking as a table, for printing and files.
    Grilla tabla_;
    AccionesSalida* salidas_ = nullptr;
    QToolButton* cmd_salidas = nullptr; // preview, PDF, CSV, XLSX, chart as PNG or SVG
};

} // namespace reports::ui
