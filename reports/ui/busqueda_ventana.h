#pragma once

#include "reports/ui/grilla_ventana.h"

#include <initializer_list>

class QComboBox;

namespace reports::ui {

// The two searches' frame of three rows and their taller grid.
inline constexpr DisenoVentanaGrilla DisenoBusqueda{1635, 1860, 6195, 5925, 2565};

// What both searches do on opening: the pickers show 8 September 2005 and
// typing into the edit field of each of `listas` searches again at every
// keystroke, ordered by loan date (choosing an item starts nothing).
void prepararBusqueda(VentanaGrilla& ventana, std::initializer_list<QComboBox*> listas);

} // namespace reports::ui
