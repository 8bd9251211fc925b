#pragma once

#include "reports/ui/grilla_ventana.h"

// Finds loans by title, author or inventory number.
class frm_busqueda_libros : public VentanaGrilla {
    Q_OBJECT
public:
    explicit frm_busqueda_libros(Contexto& ctx, QWidget* padre = nullptr);

    QLineEdit* txt_titulo;
    QLineEdit* txt_autor;
    QLineEdit* txt_inventario;

protected:
    std::string Sentencia(const std::string& VOrden) const override;
};
