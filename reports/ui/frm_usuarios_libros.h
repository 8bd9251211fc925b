#pragma once

#include "reports/ui/grilla_ventana.h"

namespace reports::ui {

// The loan list: one window for the five modes the menus open it in. The
// hidden box txt_criterio holds the mode, "1" to "5".
class frm_usuarios_libros : public VentanaGrilla {
    Q_OBJECT
public:
    frm_usuarios_libros(store::Contexto& ctx, core::ui::Dialogos& dialogos,
                        QWidget* padre = nullptr);

    QLineEdit* txt_criterio;
    QLineEdit* txt_apellido;
    QLineEdit* txt_nombre;
    QLineEdit* txt_legajo;
    QLineEdit* txt_inventario;

protected:
    std::string Sentencia(const std::string& VOrden) const override;

private:
    void limpiar();
};

} // namespace reports::ui
