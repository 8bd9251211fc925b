#include "reports/ui/frm_usuarios_libros.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

namespace reports::ui {

frm_usuarios_libros::frm_usuarios_libros(store::Contexto& ctx, core::ui::Dialogos& dialogos,
                                         QWidget* padre)
    : VentanaGrilla(ctx, dialogos, ColumnasPrestamos(), {1935, 2160, 5775, 5595, 2880}, padre) {
    setObjectName("frm_usuarios_libros");
    setWindowTitle(ModosLista().front().titulo);
    txt_criterio = new QLineEdit("1", this);
    txt_criterio->setObjectName("txt_criterio");
    txt_criterio->hide();
    txt_apellido = cuadroTexto("txt_apellido", "Apellido", 0);
    txt_nombre = cuadroTexto("txt_nombre", "Nombre", 1);
    txt_legajo = cuadroTexto("txt_legajo", "Legajo", 2);
    txt_inventario = cuadroTexto("txt_inventario", "Inventario", 3);

    // Every change on the panel runs the list again, ordered by loan date.
    const auto porFecha = [this] { Lista("fecha_presta"); };
    for (QCheckBox* caja : {filtros.chk_desde, filtros.chk_hasta}) {
        connect(caja, &QCheckBox::toggled, this, porFecha);
    }
    for (QComboBox* lista : {filtros.cmb_tipousu, filtros.cmb_grado, filtros.cmb_tematica}) {
        connect(lista, &QComboBox::currentIndexChanged, this, porFecha);
    }
    for (QDateEdit* fecha : {filtros.DTP_desde, filtros.DTP_hasta}) {
        connect(fecha, &QDateEdit::dateChanged, this, porFecha);
    }
    connect(cmd_buscar, &QPushButton::clicked, this, porFecha);
    alPulsarEnter(txt_legajo, "legajo");
    connect(cmd_reload, &QPushButton::clicked, this, &frm_usuarios_libros::limpiar);
}

std::string frm_usuarios_libros::Sentencia(const std::string& VOrden) const {
    FiltrosPrestamos f = filtrosPanel();
    f.apellido = txt_apellido->text().toStdString();
    f.nombre = txt_nombre->text().toStdString();
    f.legajo = txt_legajo->text().toStdString();
    f.inventario = txt_inventario->text().toStdString();
    return SentenciaListaPrestamos(txt_criterio->text().toStdString(), f, VOrden);
}

// The lists and boxes change as the user would change them, so each one that
// changes runs the list; the mode stays.
void frm_usuarios_libros::limpiar() {
    for (QLineEdit* cuadro : {txt_apellido, txt_nombre, txt_legajo, txt_inventario}) {
        cuadro->clear();
    }
    limpiarPanelYGrilla();
}

} // namespace reports::ui
