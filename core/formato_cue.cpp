#include "core/formato_cue.h"

#include <algorithm>

namespace core {

namespace {

bool cifras(std::string_view texto, std::size_t cantidad) {
    return texto.size() == cantidad &&
           std::all_of(texto.begin(), texto.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

bool FormatoCUEValido(std::string_view cue1, std::string_view cue2) {
    return cifras(cue1, 7) && cifras(cue2, 2);
}

} // namespace core
