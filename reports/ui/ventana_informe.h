#pragma once

#include "reports/grafico_ranking.h"
#include "reports/informes.h"
#include "reports/ui/grilla_ventana.h"

#include <functional>

class QChartView;

namespace reports::ui {

// What the report windows share, beside the grid window's frame, panel,
// grid, printing and copying: the report's statement, its caption and what
// it shows (lbl_informe), the filters it does not take switched off, and a
// new run in the report's own order on every change of the panel, on
// "Buscar" and after "Limpiar formulario".
class VentanaInforme : public VentanaGrilla {
    Q_OBJECT
public:
    informes::Informe informe() const { return informe_; }
    // Runs the report in its own order.
    void Listar();
    // Sets the panel as `filtros` says and runs the report once.
    void mostrarCon(const EstadoFiltros& filtros);

protected:
    VentanaInforme(store::Contexto& ctx, core::ui::Dialogos& dialogos, informes::Informe informe,
                   const char* nombre, const char* descripcion, const DisenoVentanaGrilla& diseno,
                   QWidget* padre);

    Grilla Consultar(const std::string& VOrden) override;

    // A chart (char_informe) under the grid, drawn by the chart factory from
    // what `datos` makes of the grid after every run.
    void graficar(std::function<ranking::DatosGrafico(const Grilla&)> datos);

private:
    informes::Informe informe_;
    QChartView* grafico_ = nullptr;
};

} // namespace reports::ui
