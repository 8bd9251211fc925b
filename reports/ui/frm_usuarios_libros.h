#pragma once

#include "reports/ui/grilla_ventana.h"

namespace reports::ui {

// The loan list: one window for the five modes the menus open it in. The
// hidden box txt_criterio holds the mode, "1" to "5"; the text boxes are
// txt_apellido, txt_nombre, txt_legajo and txt_inventario.
class frm_usuarios_libros : public VentanaGrilla {
    Q_OBJECT
public:
    frm_usuarios_libros(store::Contexto& ctx, core::ui::Dialogos& dialogos,
                        QWidget* padre = nullptr);

    // Writes the mode into txt_criterio; the next list run applies it.
    void fijarModo(const std::string& modo);

protected:
    Grilla Consultar(const std::string& VOrden) override;

private:
    QLineEdit* txt_criterio;
    QLineEdit* txt_apellido;
    QLineEdit* txt_nombre;
    QLineEdit* txt_legajo;
    QLineEdit* txt_inventario;
};

} // namespace reports::ui
