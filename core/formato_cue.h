#pragma once

#include <string>
#include <string_view>

namespace core {

// The number that the text's leading numeric part denotes (an optional sign,
// digits, at most one decimal point), written back in plain decimal notation:
// a minus sign when negative, no leading zeros, no zero before the point, no
// trailing zeros after it, "0" for zero.
std::string LecturaNumerica(std::string_view texto);

// The school code's two parts: 7 and 2 characters, each reading back
// unchanged through LecturaNumerica (so no leading zero, letter or blank).
bool FormatoCUEValido(std::string_view cue1, std::string_view cue2);

} // namespace core
