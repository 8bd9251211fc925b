#include "reports/ui/frm_atrasos.h"

#include "core/archivo_ini.h"
#include "core/error.h"
#include "core/ui/cursor_ocupado.h"
#include "core/ui/dialogos.h"
#include "core/ui/mostrar_error.h"
#include "reports/avisos_devolucion.h"
#include "reports/ui/disenos.h"
#include "reports/ui/impresion_grilla_qt.h"
#include "store/contexto.h"

#include <QPrinter>
#include <QPushButton>

namespace reports::ui {

frm_atrasos::frm_atrasos(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* padre)
    : VentanaInforme(ctx, dialogos, informes::Informe::Atrasos, "frm_atrasos",
                     "Préstamos no devueltos cuya fecha de devolución ya pasó, con los días de "
                     "atraso hasta hoy.",
                     DisenoAtrasos, padre),
      cmd_avisos(boton("cmd_avisos", "Imprimir avisos de devolución", "document-print")) {
    cmd_avisos->setText("Avisos");
    ubicar(UbicacionAvisos("cmd_avisos"));
    connect(cmd_avisos, &QPushButton::clicked, this, &frm_atrasos::imprimirAvisos);
}

void frm_atrasos::imprimirAvisos() {
    try {
        const auto avisos = [this] {
            const core::ui::CursorOcupado ocupado;
            return informes::AvisosDevolucion(contexto(), filtros().estado());
        }();
        if (avisos.empty()) {
            dialogos().mensaje("No hay préstamos atrasados de quien avisar.");
            return;
        }
        QPrinter impresora(QPrinter::HighResolution);
        if (!dialogos().elegirImpresora(impresora)) {
            return;
        }
        core::Archivo_Ini ini(contexto().carpetaConfiguracion);
        ini.Cargar("INICIO");
        ImprimirAvisos(impresora, avisos, ini.CUE, contexto().reloj.hoy());
    } catch (const core::Error& e) {
        core::ui::mostrarError(dialogos(), e, core::ui::EstiloError::TituloNumero);
    }
}

} // namespace reports::ui
