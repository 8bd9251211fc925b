#pragma once

#include "isis/codigo_pagina.h"

#include <string>
#include <string_view>

namespace isis {

// A key as an inversion makes it, and so as a term or key must be looked up:
// the text upper-cased with the code page's table, blanks and control
// characters cut from both ends and those inside made blanks, the prefix
// (upper-cased too) in front, at most 30 bytes, no trailing blank. Empty
// when nothing is left.
std::string normalizarClave(std::string_view texto, const CodigoPagina& codigo,
                            std::string_view prefijo = {});

} // namespace isis
