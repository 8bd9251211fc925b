#include "reports/ui/frm_resumen.h"

#include "core/archivo_ini.h"
#include "core/error.h"
#include "core/ui/mostrar_error.h"
#include "reports/ui/disenos.h"
#include "store/contexto.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalBlocker>

namespace reports::ui {

frm_resumen::frm_resumen(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* padre)
    : VentanaGrilla(ctx, dialogos, informes::ColumnasResumen(), DisenoInforme, padre),
      chk_resumenAlCargar(new QCheckBox("Abrir este resumen después de cada carga",
                                        findChild<QWidget*>("Frame1"))) {
    setObjectName("frm_resumen");
    setWindowTitle("Resumen");
    auto* etiqueta = new QLabel("Las cifras del período (sin fechas, el ciclo lectivo hasta hoy); "
                                "doble clic en una abre el informe que la detalla.",
                                findChild<QWidget*>("Frame1"));
    etiqueta->setObjectName("lbl_informe");
    etiqueta->setWordWrap(true);
    etiqueta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ubicar(UbicacionDescripcion());
    chk_resumenAlCargar->setObjectName("chk_resumenAlCargar");
    ubicar(UbicacionCasillaInforme("chk_resumenAlCargar"));
    {
        core::Archivo_Ini ini(ctx.carpeta);
        ini.Cargar("INFORMES");
        const QSignalBlocker bloqueo(chk_resumenAlCargar);
        chk_resumenAlCargar->setChecked(ini.ResumenAlCargar == "SI");
    }
    connect(chk_resumenAlCargar, &QCheckBox::toggled, this, &frm_resumen::guardarPreferencia);

    alCambiarFiltros([this] { Listar(); });
    alBuscar("etiqueta");
    alLimpiar({});
}

void frm_resumen::Listar() {
    Lista("etiqueta");
}

Grilla frm_resumen::Consultar(const std::string&) {
    cifras_ = informes::Resumen(contexto(), filtros().estado());
    return informes::GrillaResumen(cifras_);
}

void frm_resumen::abrirCifra(std::size_t indice) {
    if (indice >= cifras_.size()) {
        return;
    }
    const informes::Destino destino = cifras_[indice].destino;
    Q_EMIT informePedido(
        destino, informes::FiltrosDestino(destino, filtros().estado(), contexto().reloj.hoy()));
}

void frm_resumen::alDobleClicEnCelda() {
    if (grilla().fila() >= 1) {
        abrirCifra(static_cast<std::size_t>(grilla().fila() - 1));
    }
}

void frm_resumen::guardarPreferencia(bool alCargar) {
    try {
        core::Archivo_Ini ini(contexto().carpeta);
        ini.ResumenAlCargar = alCargar ? "SI" : "";
        ini.Grabar("INFORMES");
    } catch (const core::Error& e) {
        core::ui::mostrarError(dialogos(), e, core::ui::EstiloError::TituloError);
    }
}

} // namespace reports::ui
