#pragma once

#include "isis/codigo_pagina.h"
#include "isis/diccionario.h"

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace isis {

// Runs a search expression of the ISIS search language over a dictionary:
// terms (blanks inside belong to the term; "quoted" when they hold an
// operator), + or, * and, ^ and not, parentheses, TERM$ right truncation.
// `expresion` is in the database's code page; each term is upper-cased
// with its table before look-up. Returns the MFNs for which `vivo` holds,
// ascending, each once. Syntax outside this subset throws Error.
std::vector<std::int32_t> buscarExpresion(std::string_view expresion,
                                          const Diccionario& diccionario,
                                          const CodigoPagina& codigo,
                                          const std::function<bool(std::int32_t)>& vivo);

} // namespace isis
