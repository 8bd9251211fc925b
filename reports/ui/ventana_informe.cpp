#include "reports/ui/ventana_informe.h"

#include "reports/ui/acciones_salida.h"
#include "reports/ui/disenos.h"
#include "reports/ui/fabrica_grafico.h"

#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>

namespace reports::ui {

VentanaInforme::VentanaInforme(store::Contexto& ctx, core::ui::Dialogos& dialogos,
                               informes::Informe informe, const char* nombre,
                               const char* descripcion, const DisenoVentanaGrilla& diseno,
                               QWidget* padre)
    : VentanaGrilla(ctx, dialogos, informes::Definicion(informe).columnas, diseno, padre),
      informe_(informe) {
    const informes::DefinicionInforme& d = informes::Definicion(informe);
    setObjectName(nombre);
    setWindowTitle(QString::fromUtf8(d.titulo));
    auto* etiqueta = new QLabel(QString::fromUtf8(descripcion), findChild<QWidget*>("Frame1"));
    etiqueta->setObjectName("lbl_informe");
    etiqueta->setWordWrap(true);
    etiqueta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ubicar(UbicacionDescripcion());

    ControlesFiltro& f = filtros();
    const std::pair<QWidget*, bool> admitidos[] = {{f.cmb_tipousu, d.admite.tipo},
                                                   {f.cmb_grado, d.admite.grado},
                                                   {f.cmb_tematica, d.admite.tematica},
                                                   {f.chk_desde, d.admite.desde},
                                                   {f.chk_hasta, d.admite.hasta}};
    for (const auto& [control, admitido] : admitidos) {
        control->setEnabled(admitido);
    }
    // Every change of the panel runs the report again, in its own order.
    alCambiarFiltros([this] { Listar(); });
    alBuscar(d.orden);
    alLimpiar({});
}

void VentanaInforme::Listar() {
    Lista(informes::Definicion(informe_).orden);
}

void VentanaInforme::mostrarCon(const EstadoFiltros& estado) {
    fijarFiltros(estado);
    Listar();
}

Grilla VentanaInforme::Consultar(const std::string& VOrden) {
    return informes::GrillaInforme(contexto(), informe_, filtros().estado(), VOrden);
}

void VentanaInforme::graficar(std::function<ranking::DatosGrafico(const Grilla&)> datos) {
    grafico_ = CrearVistaGrafico(this);
    grafico_->setObjectName("char_informe");
    ubicar(UbicacionGrafico("char_informe"));
    connect(this, &VentanaGrilla::grillaMostrada, this,
            [this, datos = std::move(datos)] { DibujarGrafico(grafico_, datos(grilla())); });
    salidas().fijarGrafico(grafico_, [this] { return windowTitle().toStdString(); });
}

} // namespace reports::ui
