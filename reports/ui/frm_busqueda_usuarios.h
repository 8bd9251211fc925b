#pragma once

#include "reports/ui/grilla_ventana.h"

namespace reports::ui {

// Finds the loans of members by surname, first name or member number, typed
// into txt_apellido, txt_nombre and txt_legajo, with each member's
// suspension mark.
class frm_busqueda_usuarios : public VentanaGrilla {
    Q_OBJECT
public:
    frm_busqueda_usuarios(store::Contexto& ctx, core::ui::Dialogos& dialogos,
                          QWidget* padre = nullptr);

protected:
    Grilla Consultar(const std::string& VOrden) override;

private:
    QLineEdit* txt_apellido;
    QLineEdit* txt_nombre;
    QLineEdit* txt_legajo;
};

} // namespace reports::ui
