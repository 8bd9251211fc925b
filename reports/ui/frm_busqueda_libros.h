#pragma once

#include "reports/ui/grilla_ventana.h"

namespace reports::ui {

// Finds loans by title, author or inventory number.
class frm_busqueda_libros : public VentanaGrilla {
    Q_OBJECT
public:
    frm_busqueda_libros(store::Contexto& ctx, core::ui::Dialogos& dialogos,
                        QWidget* padre = nullptr);

    QLineEdit* txt_titulo;
    QLineEdit* txt_autor;
    QLineEdit* txt_inventario;

protected:
    std::string Sentencia(const std::string& VOrden) const override;
};

} // namespace reports::ui
