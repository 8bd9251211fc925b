#include "core/error.h"

namespace core {

Error::Error(int numero, std::string descripcion)
    : std::runtime_error(descripcion), numero_(numero), descripcion_(std::move(descripcion)) {}

Error Error::interno() {
    return Error(ErrorInterno, "Error interno del programa: la operación se canceló");
}

} // namespace core
