#pragma once

#include "core/ui/disposicion.h"

#include <QSize>

#include <limits>
#include <string>
#include <vector>

namespace reports::ui {

// Where the report windows put their controls, in twips, and how their text
// list, grid and chart follow the window.

// The height every report window opens with; beyond it, what grows takes the
// extra height.
inline constexpr int AltoVentanas = 8490;

// Up to a window 10350 twips wide the text list, grid and chart keep 9975;
// beyond, they are the window's width less 375.
inline constexpr core::ui::Crecimiento AnchoQueSigue{10350, 9975, 375};

// Up to the windows' opening height a control keeps `minimo`; beyond, it is
// the window's height less `resta`.
constexpr core::ui::Crecimiento altoQueSigue(int minimo, int resta) {
    return {AltoVentanas, minimo, resta};
}

// A window of the grid family: its frame "Filtrar datos", where its grid sits
// under the frame until the first resize, and how the grid's height then
// follows the window.
struct DisenoVentanaGrilla {
    int altoMarco;
    int arribaGrilla;
    int altoGrilla;
    core::ui::Crecimiento altoGrillaQueSigue;
};

// The smallest a report window gets, in twips (width, height): the filter
// frame's left part and a few rows of its grid or its chart; the rest
// scrolls.
inline constexpr QSize MinimoVentanas{6000, 4200};

// The loan list: a frame of four rows.
inline constexpr DisenoVentanaGrilla DisenoLista{1935, 2160, 5775, altoQueSigue(5595, 2880)};
// The two searches: a frame of three rows and a taller grid.
inline constexpr DisenoVentanaGrilla DisenoBusqueda{1635, 1860, 6195, altoQueSigue(5925, 2565)};

// The reports and the summary: a frame of three rows as the searches', whose
// left column tells what the report shows.
inline constexpr DisenoVentanaGrilla DisenoInforme = DisenoBusqueda;
// The overdue follow-up: a frame of four rows, for the notices' button.
inline constexpr DisenoVentanaGrilla DisenoAtrasos = DisenoLista;
// A report with a chart: the grid keeps its height and the chart under it
// takes what the window gains.
inline constexpr int AltoGrillaConGrafico = 2790;
inline constexpr DisenoVentanaGrilla DisenoInformeConGrafico{
    DisenoBusqueda.altoMarco, DisenoBusqueda.arribaGrilla, AltoGrillaConGrafico,
    core::ui::Crecimiento{std::numeric_limits<int>::max(), AltoGrillaConGrafico, 0}};

// The designed width (10350) would cut the frame and hide two of its four
// buttons: a grid window opens as wide as the frame and its margins instead.
inline constexpr int AnchoVentanaGrilla = 120 + 11475 + 120;

// The frame with the panel's lists, boxes and pickers, their labels and the
// four buttons (inside the frame, relative to it), then the grid.
std::vector<core::ui::Ubicacion> UbicacionesVentanaGrilla(const DisenoVentanaGrilla& diseno);

// A text box of the frame's left column in row 0 to 3, with its label.
std::vector<core::ui::Ubicacion> UbicacionesCuadroTexto(const std::string& nombre, int fila);

// What a report shows, in the frame's left column (lbl_informe), above a
// row left for a box of the window's own.
core::ui::Ubicacion UbicacionDescripcion();
// A check box in the frame's left column, under the description.
core::ui::Ubicacion UbicacionCasillaInforme(const std::string& nombre);
// The chart under the grid of a report with a chart.
core::ui::Ubicacion UbicacionGrafico(const std::string& nombre);
// The notices' button, under the four buttons of a frame of four rows.
core::ui::Ubicacion UbicacionAvisos(const std::string& nombre);

// The objectName of a control's label: "lbl_" and the control's name without
// its type prefix ("cmb_grado" has "lbl_grado").
std::string NombreEtiqueta(const std::string& control);

// The ranking window: the text list on top, the five frames under it, then
// the bar description and the chart.
inline constexpr int AnchoRanking = 12885;
std::vector<core::ui::Ubicacion> UbicacionesRanking();

} // namespace reports::ui
