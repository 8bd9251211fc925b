#include "reports/ui/frm_busqueda_usuarios.h"

#include "reports/ui/busqueda_ventana.h"
#include "reports/ui/disenos.h"

#include <QComboBox>
#include <QLineEdit>

namespace reports::ui {

frm_busqueda_usuarios::frm_busqueda_usuarios(store::Contexto& ctx, core::ui::Dialogos& dialogos,
                                             QWidget* padre)
    : VentanaGrilla(ctx, dialogos, ColumnasUsuarios(), DisenoBusqueda, padre) {
    setObjectName("frm_busqueda_usuarios");
    setWindowTitle("Búsqueda de Usuarios");
    txt_apellido = cuadroTexto("txt_apellido", "Apellido", 0);
    txt_nombre = cuadroTexto("txt_nombre", "Nombre", 1);
    txt_legajo = cuadroTexto("txt_legajo", "Legajo", 2);
    // The grade list starts nothing, neither typed nor chosen.
    prepararBusqueda(*this, filtros(), {filtros().cmb_tipousu, filtros().cmb_tematica});
    alBuscar("apellido");
    alPulsarEnter(txt_apellido, "apellido");
    alPulsarEnter(txt_nombre, "nombre");
    alPulsarEnter(txt_legajo, "legajo");
    alLimpiar({txt_apellido, txt_legajo, txt_nombre});
}

Grilla frm_busqueda_usuarios::Consultar(const std::string& VOrden) {
    FiltrosPrestamos f = filtrosPanel();
    f.apellido = txt_apellido->text().toStdString();
    f.nombre = txt_nombre->text().toStdString();
    f.legajo = txt_legajo->text().toStdString();
    return GrillaDeSentencia(SentenciaBusquedaUsuarios(f, VOrden));
}

} // namespace reports::ui
