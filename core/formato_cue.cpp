#include "core/formato_cue.h"

#include "core/texto.h"

#include <cctype>

namespace core {

namespace {

bool esDigito(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

} // namespace

std::string LecturaNumerica(std::string_view texto) {
    std::size_t i = 0;
    bool negativo = false;
    if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) {
        negativo = texto[i++] == '-';
    }
    std::string entero;
    while (i < texto.size() && esDigito(texto[i])) {
        entero += texto[i++];
    }
    std::string fraccion;
    if (i < texto.size() && texto[i] == '.') {
        for (++i; i < texto.size() && esDigito(texto[i]); ++i) {
            fraccion += texto[i];
        }
    }
    entero.erase(0, entero.find_first_not_of('0'));
    fraccion.erase(fraccion.find_last_not_of('0') + 1);
    if (entero.empty() && fraccion.empty()) {
        return "0";
    }
    return (negativo ? "-" : "") + entero + (fraccion.empty() ? "" : "." + fraccion);
}

bool FormatoCUEValido(std::string_view cue1, std::string_view cue2) {
    return texto::largoUtf8(cue1) == 7 && texto::largoUtf8(cue2) == 2 &&
           LecturaNumerica(cue1) == cue1 && LecturaNumerica(cue2) == cue2;
}

} // namespace core
