#include "reports/ui/frm_informes.h"

#include "reports/graficos_informes.h"
#include "reports/ui/disenos.h"

namespace reports::ui {

using informes::Informe;

frm_participacion::frm_participacion(store::Contexto& ctx, core::ui::Dialogos& dialogos,
                                     QWidget* padre)
    : VentanaInforme(ctx, dialogos, Informe::Participacion, "frm_participacion",
                     "Socios, lectores y préstamos del período en cada grado; la última fila "
                     "suma todos los grados.",
                     DisenoInformeConGrafico, padre) {
    graficar(informes::GraficoParticipacion);
}

frm_sin_prestamos::frm_sin_prestamos(store::Contexto& ctx, core::ui::Dialogos& dialogos,
                                     QWidget* padre)
    : VentanaInforme(ctx, dialogos, Informe::SinPrestamos, "frm_sin_prestamos",
                     "Los socios del filtro que no retiraron ningún libro en el período.",
                     DisenoInforme, padre) {}

frm_sin_uso::frm_sin_uso(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* padre)
    : VentanaInforme(ctx, dialogos, Informe::SinUso, "frm_sin_uso",
                     "Los ejemplares sin préstamos desde la fecha \"desde\" (sin ella, los "
                     "nunca prestados), para el expurgo.",
                     DisenoInforme, padre) {}

frm_mensual::frm_mensual(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* padre)
    : VentanaInforme(ctx, dialogos, Informe::Mensual, "frm_mensual",
                     "Préstamos y lectores de cada mes del período, frente a los préstamos del "
                     "mismo mes del año anterior.",
                     DisenoInformeConGrafico, padre) {
    graficar(informes::GraficoMensual);
}

} // namespace reports::ui
