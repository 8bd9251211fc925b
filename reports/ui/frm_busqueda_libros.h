#pragma once

#include "reports/ui/grilla_ventana.h"

namespace reports::ui {

// Finds loans by title, author or inventory number, typed into txt_titulo,
// txt_autor and txt_inventario.
class frm_busqueda_libros : public VentanaGrilla {
    Q_OBJECT
public:
    frm_busqueda_libros(store::Contexto& ctx, core::ui::Dialogos& dialogos,
                        QWidget* padre = nullptr);

protected:
    Grilla Consultar(const std::string& VOrden) override;

private:
    QLineEdit* txt_titulo;
    QLineEdit* txt_autor;
    QLineEdit* txt_inventario;
};

} // namespace reports::ui
