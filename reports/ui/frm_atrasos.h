#pragma once

#include "reports/ui/ventana_informe.h"

class QPushButton;

namespace reports::ui {

// The overdue follow-up: who is late, with what and by how many days, and
// the button cmd_avisos that prints one "Aviso de devolución" per member.
class frm_atrasos : public VentanaInforme {
    Q_OBJECT
public:
    frm_atrasos(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* padre = nullptr);

    // The notices of the loans the report lists with the panel as it is, on
    // the printer the user chooses (a cancel prints nothing and says nothing).
    void imprimirAvisos();

private:
    QPushButton* cmd_avisos;
};

} // namespace reports::ui
