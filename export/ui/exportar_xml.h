#pragma once

#include "export/exportacion.h"

#include <string>

namespace core::ui {
class Dialogos;
}
namespace store {
struct Contexto;
}

namespace exportacion::ui {

// The export as the dialog runs it: writes the file and tells the user its
// name, or shows why it failed (title "Error " + number, information icon).
void ExportarXML(store::Contexto& ctx, core::ui::Dialogos& dialogos, const std::string& filtro,
                 const PeriodoExportacion& periodo);

} // namespace exportacion::ui
