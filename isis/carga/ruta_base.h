#pragma once

#include <string>

namespace isis {
struct BaseIsis;
}

namespace carga {

// Splits a master file path into the folder (up to and including its last
// '/' or '\') and the name (up to, not including, the last dot). A path whose
// last dot is not after its last separator throws Error 5.
void DividirRuta(const std::string& ruta, isis::BaseIsis& base);

} // namespace carga
