#include "reports/ui/disenos.h"

namespace reports::ui {

namespace {
// Every list, grid and chart stands 120 twips from the window's left edge.
constexpr int Margen = 120;
constexpr int AnchoInicial = AnchoQueSigue.minimo; // of what follows the width
// The row count's line under the grid.
constexpr int EntreGrillaYFilas = 45;
constexpr int AltoFilas = 255;
} // namespace

std::vector<core::ui::Ubicacion> UbicacionesVentanaGrilla(const DisenoVentanaGrilla& d) {
    const int arribaFilas = d.arribaGrilla + d.altoGrillaQueSigue.minimo + EntreGrillaYFilas;
    return {
        {"Frame1", {Margen, 120, 11475, d.altoMarco}},
        {"lbl_tipousu", {3760, 360, 760, 285}},
        {"cmb_tipousu", {4560, 360, 2985, 285}},
        {"lbl_grado", {3760, 720, 760, 285}},
        {"cmb_grado", {4560, 720, 2985, 285}},
        {"lbl_tematica", {3760, 1080, 760, 285}},
        {"cmb_tematica", {4560, 1080, 5205, 285}},
        {"chk_desde", {7680, 360, 735, 255}},
        {"DTP_desde", {8400, 360, 1335, 315}},
        {"chk_hasta", {7680, 720, 735, 255}},
        {"DTP_hasta", {8400, 720, 1335, 315}},
        {"cmd_buscar", {10080, 420, 495, 375}},
        {"cmd_copy", {10680, 420, 495, 375}},
        {"cmd_print", {10080, 900, 495, 375}},
        {"cmd_reload", {10680, 900, 495, 375}},
        {"cmd_salidas", {10080, 1335, 1095, 255}},
        {"fg_usu",
         {Margen, d.arribaGrilla, AnchoInicial, d.altoGrilla},
         AnchoQueSigue,
         d.altoGrillaQueSigue},
        // The row count just under the grid, wherever the grid ends.
        {"lbl_filas",
         {Margen, arribaFilas, AnchoInicial, AltoFilas},
         AnchoQueSigue,
         std::nullopt,
         core::ui::Crecimiento{d.altoGrillaQueSigue.hasta, arribaFilas,
                               AltoVentanas - arribaFilas}},
    };
}

std::vector<core::ui::Ubicacion> UbicacionesCuadroTexto(const std::string& nombre, int fila) {
    const int arriba = 360 + 360 * fila;
    return {{NombreEtiqueta(nombre), {60, arriba, 735, 315}}, {nombre, {855, arriba, 2880, 315}}};
}

core::ui::Ubicacion UbicacionDescripcion() {
    return {"lbl_informe", {Margen, 300, 3540, 720}};
}

core::ui::Ubicacion UbicacionCasillaInforme(const std::string& nombre) {
    return {nombre, {Margen, 1080, 3540, 315}};
}

core::ui::Ubicacion UbicacionGrafico(const std::string& nombre) {
    // Under the row count, which stays under the grid.
    const int arriba = DisenoInformeConGrafico.arribaGrilla + AltoGrillaConGrafico +
                       EntreGrillaYFilas + AltoFilas + EntreGrillaYFilas;
    const int alto = AltoVentanas - arriba - Margen;
    return {nombre,
            {Margen, arriba, AnchoInicial, alto},
            AnchoQueSigue,
            altoQueSigue(alto, AltoVentanas - alto)};
}

core::ui::Ubicacion UbicacionAvisos(const std::string& nombre) {
    return {nombre, {10080, 1380, 1095, 375}};
}

std::string NombreEtiqueta(const std::string& control) {
    return "lbl_" + control.substr(control.find('_') + 1);
}

std::vector<core::ui::Ubicacion> UbicacionesRanking() {
    constexpr int ArribaMarcos = 1290;
    constexpr int AltoMarcos = 2400;
    constexpr int AltoGrafico = 4335;
    return {
        {"TextLista", {Margen, 120, AnchoInicial, 1095}, AnchoQueSigue},
        {"fra_filtrar", {Margen, ArribaMarcos, 3000, AltoMarcos}},
        {"fra_fecha", {3180, ArribaMarcos, 1860, AltoMarcos}},
        {"fra_agrupar", {5100, ArribaMarcos, 1900, AltoMarcos}},
        {"fra_mostrar", {7060, ArribaMarcos, 3600, AltoMarcos}},
        {"fra_grafico", {10720, ArribaMarcos, 2045, AltoMarcos}},
        {"lbl_descipcionBarras", {Margen, 3720, AnchoInicial, 270}, AnchoQueSigue},
        // The chart alone takes the height the window gains.
        {"char_socios",
         {Margen, 4035, AnchoInicial, AltoGrafico},
         AnchoQueSigue,
         altoQueSigue(AltoGrafico, AltoVentanas - AltoGrafico)},
    };
}

} // namespace reports::ui
