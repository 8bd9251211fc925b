#include "reports/ui/frm_usuarios_libros.h"

#include "reports/ui/disenos.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>

namespace reports::ui {

frm_usuarios_libros::frm_usuarios_libros(store::Contexto& ctx, core::ui::Dialogos& dialogos,
                                         QWidget* padre)
    : VentanaGrilla(ctx, dialogos, ColumnasPrestamos(), DisenoLista, padre) {
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
    for (QCheckBox* caja : {filtros().chk_desde, filtros().chk_hasta}) {
        connect(caja, &QCheckBox::toggled, this, porFecha);
    }
    for (QComboBox* lista : {filtros().cmb_tipousu, filtros().cmb_grado, filtros().cmb_tematica}) {
        connect(lista, &QComboBox::currentIndexChanged, this, porFecha);
    }
    for (QDateEdit* fecha : {filtros().DTP_desde, filtros().DTP_hasta}) {
        connect(fecha, &QDateEdit::dateChanged, this, porFecha);
    }
    alBuscar("fecha_presta");
    alPulsarEnter(txt_legajo, "legajo");
    alLimpiar({txt_apellido, txt_nombre, txt_legajo, txt_inventario});
}

void frm_usuarios_libros::fijarModo(const std::string& modo) {
    txt_criterio->setText(QString::fromStdString(modo));
}

Grilla frm_usuarios_libros::Consultar(const std::string& VOrden) {
    FiltrosPrestamos f = filtrosPanel();
    f.apellido = txt_apellido->text().toStdString();
    f.nombre = txt_nombre->text().toStdString();
    f.legajo = txt_legajo->text().toStdString();
    f.inventario = txt_inventario->text().toStdString();
    return GrillaDeSentencia(
        SentenciaListaPrestamos(txt_criterio->text().toStdString(), f, VOrden));
}

} // namespace reports::ui
