#pragma once

#include "tools/escritor/invertido.h"
#include "tools/escritor/maestro.h"
#include "tools/escritor/pagina_escrita.h"

#include <functional>
#include <string>
#include <vector>

namespace escritor {

// How a field-select line cuts a field into keys: the whole occurrence
// (technique 0) or each word (technique 4).
enum class Tecnica { Linea = 0, Palabras = 4 };

// One line of the field-select table, in the shape the writer can index
// itself: one tag, optionally one subfield, optionally a key prefix.
struct LineaFst {
    int id = 0; // the postings' tag
    int tag = 0;
    char subcampo = 0; // 0: the whole field
    Tecnica tecnica = Tecnica::Linea;
    std::string prefijo{}; // UTF-8, e.g. "I:"
};

// The line as written in the .FST file, e.g. "900 0 MHU,(|I:|v900/)".
std::string textoFst(const LineaFst& linea);

// Makes a key as an inversion does: upper case through ISISUC, outer blanks
// and control characters cut, inner control characters made blanks, the
// prefix in front, at most 30 bytes. Empty when nothing is left.
// The reader has the same rule (isis::normalizarClave). The writer keeps its
// own copy on purpose, as an independent check: the reader is tested on
// databases the writer builds, and one rule shared by both would let a fault
// in it pass unseen.
std::string normalizarClave(std::string_view prefijo, std::string_view texto, PaginaEscrita codigo);

// The keys the line makes from a record (fields already in the code page),
// with POCC 1 and PCNT counting the line's keys, as ISIS numbers them.
void clavesDeLinea(const LineaFst& linea, std::int32_t mfn, const std::vector<CampoCrudo>& campos,
                   PaginaEscrita codigo, const std::function<void(EntradaInvertida)>& destino);

} // namespace escritor
