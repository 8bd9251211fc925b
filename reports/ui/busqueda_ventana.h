#pragma once

#include "reports/ui/grilla_ventana.h"

#include <initializer_list>

class QComboBox;

namespace reports::ui {

// What both searches do on opening: the pickers of `filtros` show 8 September
// 2005 and typing into the edit field of each of `listas` searches again at
// every keystroke, ordered by loan date (choosing an item starts nothing).
void prepararBusqueda(VentanaGrilla& ventana, ControlesFiltro& filtros,
                      std::initializer_list<QComboBox*> listas);

} // namespace reports::ui
