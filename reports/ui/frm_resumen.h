#pragma once

#include "reports/resumen.h"
#include "reports/ui/grilla_ventana.h"

class QCheckBox;

namespace reports::ui {

// The summary the librarian opens first: one row per figure in the grid,
// each computed by the report or list behind it. A double-click on a figure
// asks, through informePedido, for that report with the summary's filters;
// chk_resumenAlCargar keeps in the settings whether the summary opens by
// itself after each successful load.
class frm_resumen : public VentanaGrilla {
    Q_OBJECT
public:
    frm_resumen(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* padre = nullptr);

    // Computes the figures again with the panel as it is.
    void Listar();
    const std::vector<informes::Cifra>& cifras() const { return cifras_; }
    // Asks for the report behind figure `indice` (from 0).
    void abrirCifra(std::size_t indice);

Q_SIGNALS:
    void informePedido(reports::informes::Destino destino, const reports::EstadoFiltros& filtros);

protected:
    Grilla Consultar(const std::string& VOrden) override;
    // A figure's report instead of reordering: the figures keep their order.
    void alDobleClicEnCelda() override;

private:
    void guardarPreferencia(bool alCargar);

    QCheckBox* chk_resumenAlCargar;
    std::vector<informes::Cifra> cifras_;
};

} // namespace reports::ui
