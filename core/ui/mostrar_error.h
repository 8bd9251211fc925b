#pragma once

#include "core/error.h"

namespace core::ui {

class Dialogos;

// The three ways a window shows an Error; each command uses the one its
// window has always used.
enum class EstiloError {
    // The description, titled "Error " + number, with the information icon:
    // the load run, the exit sequence, the export, the settings dialogs.
    TituloError,
    // The description with the number alone as title: opening the store, the
    // help command, printing.
    TituloNumero,
    // The description under the program's own title: the report windows'
    // list runs and reading an export back.
    TituloPorDefecto,
};

// Shows the error in a message box with only the OK button.
void mostrarError(Dialogos& dialogos, const Error& error, EstiloError estilo);

} // namespace core::ui
