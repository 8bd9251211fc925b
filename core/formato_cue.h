#pragma once

#include <string_view>

namespace core {

// The school code's two parts: exactly seven and two decimal digits. Leading
// zeros are part of real codes (a jurisdiction such as Buenos Aires, 06,
// starts every code of its schools), so they are accepted; a sign, a point, a
// blank, a letter or any other character is not.
bool FormatoCUEValido(std::string_view cue1, std::string_view cue2);

} // namespace core
