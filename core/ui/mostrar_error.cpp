#include "core/ui/mostrar_error.h"

#include "core/ui/dialogos.h"

#include <string>

namespace core::ui {

void mostrarError(Dialogos& dialogos, const Error& error, EstiloError estilo) {
    const std::string numero = std::to_string(error.numero());
    switch (estilo) {
    case EstiloError::TituloError:
        dialogos.mensaje(error.descripcion(), "Error " + numero, Dialogos::Botones::Aceptar,
                         Dialogos::Icono::Informacion);
        return;
    case EstiloError::TituloNumero:
        dialogos.mensaje(error.descripcion(), numero);
        return;
    case EstiloError::TituloPorDefecto:
        dialogos.mensaje(error.descripcion());
        return;
    }
}

} // namespace core::ui
