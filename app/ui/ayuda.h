#pragma once

#include <string>

namespace core::ui {
class Dialogos;
}

namespace app::ui {

// "Archivo de ayuda": asks for the help command line and stores it in block
// "HELPFILE"; an empty answer or Cancel keeps the old one.
void archivoDeAyuda(const std::string& carpeta, core::ui::Dialogos& dialogos);

// "Ayuda": starts the stored help command without waiting for it. A command
// that cannot start is reported with its number as the title.
void ejecutarAyuda(const std::string& carpeta, core::ui::Dialogos& dialogos);

} // namespace app::ui
