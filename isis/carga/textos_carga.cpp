#include "isis/carga/textos_carga.h"

#include <algorithm>
#include <cstring>

namespace carga {

std::string_view TextosCarga::guardar(std::string_view texto) {
    if (texto.empty()) {
        return {};
    }
    if (texto.size() > quedan_) {
        // A text longer than a block gets one of its own.
        const std::size_t tamano = std::max(TamanoBloque, texto.size());
        bloques_.push_back(std::make_unique_for_overwrite<char[]>(tamano));
        libre_ = bloques_.back().get();
        quedan_ = tamano;
    }
    char* copia = libre_;
    std::memcpy(copia, texto.data(), texto.size());
    libre_ += texto.size();
    quedan_ -= texto.size();
    return {copia, texto.size()};
}

} // namespace carga
