#pragma once

#include "reports/condicion_filtros.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QWidget;

namespace reports::ui {

// The filter controls every report window carries, under their own names.
// Each window lays them out in its own frame; the lists and their reading
// are the same everywhere.
struct ControlesFiltro {
    QComboBox* cmb_tipousu;
    QComboBox* cmb_grado;
    QComboBox* cmb_tematica;
    QCheckBox* chk_desde;
    QDateEdit* DTP_desde;
    QCheckBox* chk_hasta;
    QDateEdit* DTP_hasta;

    // Creates the controls as children of `padre`: lists filled, showing
    // "TODOS" with nothing selected, boxes unticked, both pickers on `fecha`
    // and disabled until their box is ticked.
    ControlesFiltro(QWidget* padre, core::Fecha fecha);

    EstadoFiltros estado() const;
    // Chooses what `estado` says, as a user would but without a signal: the
    // caller runs its report once afterwards.
    void fijarEstado(const EstadoFiltros& estado);
};

// The chosen position of a list box: -1 while its text is not an item
// chosen from the list (typed text never filters).
int posicionElegida(const QComboBox* lista);

} // namespace reports::ui
