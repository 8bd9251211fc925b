#include "reports/ui/frm_busqueda_libros.h"

#include "reports/ui/busqueda_ventana.h"
#include "reports/ui/disenos.h"

#include <QComboBox>
#include <QLineEdit>

namespace reports::ui {

frm_busqueda_libros::frm_busqueda_libros(store::Contexto& ctx, core::ui::Dialogos& dialogos,
                                         QWidget* padre)
    : VentanaGrilla(ctx, dialogos, ColumnasPrestamos(), DisenoBusqueda, padre) {
    setObjectName("frm_busqueda_libros");
    setWindowTitle("Búsqueda de Libros");
    txt_titulo = cuadroTexto("txt_titulo", "Titulo", 0);
    txt_autor = cuadroTexto("txt_autor", "Autor", 1);
    txt_inventario = cuadroTexto("txt_inventario", "Inventario", 2);
    prepararBusqueda(*this, filtros(),
                     {filtros().cmb_tipousu, filtros().cmb_grado, filtros().cmb_tematica});
    alBuscar("titulo");
    alPulsarEnter(txt_titulo, "titulo");
    alPulsarEnter(txt_autor, "autor");
    alPulsarEnter(txt_inventario, "inventario");
    alLimpiar({txt_autor, txt_inventario, txt_titulo});
}

Grilla frm_busqueda_libros::Consultar(const std::string& VOrden) {
    FiltrosPrestamos f = filtrosPanel();
    f.titulo = txt_titulo->text().toStdString();
    f.autor = txt_autor->text().toStdString();
    f.inventario = txt_inventario->text().toStdString();
    return GrillaDeSentencia(SentenciaBusquedaLibros(f, VOrden));
}

} // namespace reports::ui
