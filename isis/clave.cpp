#include "isis/clave.h"

#include "isis/diccionario.h"

#include <algorithm>

namespace isis {

std::string normalizarClave(std::string_view texto, const CodigoPagina& codigo,
                            std::string_view prefijo) {
    const auto control = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    std::string t = codigo.mayusculas(texto);
    while (!t.empty() && control(t.back())) {
        t.pop_back();
    }
    t.erase(t.begin(), std::find_if_not(t.begin(), t.end(), control));
    std::replace_if(t.begin(), t.end(), control, ' ');
    std::string clave = codigo.mayusculas(prefijo) + t;
    clave.resize(std::min(clave.size(), kLargoMaximoClave));
    while (!clave.empty() && clave.back() == ' ') {
        clave.pop_back();
    }
    return clave;
}

} // namespace isis
