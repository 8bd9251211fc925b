#pragma once

#include "core/reloj.h"

#include <optional>
#include <string>

namespace reports {

// What a report's filter panel has chosen. A list position of -1 (nothing
// selected) or 0 does not filter; an unticked date box ignores its date.
struct EstadoFiltros {
    int tipoUsuario = -1;
    int grado = -1;
    int tematica = -1;
    std::optional<core::Fecha> desde; // set only while its box is ticked
    std::optional<core::Fecha> hasta;
};

// The condition text and whether it wrote any condition, so the caller knows
// whether its own next condition opens with "WHERE " or "AND ".
struct Condicion {
    std::string texto;
    bool escrita = false;

    // "WHERE " for the first condition, "AND " for the others; sets the flag.
    const char* conector();
};

// What follows "grado LIKE " for a grade position: " '1%' " for a level
// heading (two blanks then stand after LIKE), "'14' " for a grade item.
std::string PatronGrado(int posicion);

// The ranking reports' condition, piece for piece:
// "WHERE tipo_usu='Alumno' AND grado LIKE  '1%' AND fecha_presta >= '20240301' ".
Condicion CondicionFiltros(const EstadoFiltros& estado);
// The same pieces appended to a condition already begun.
void AgregarCondicionFiltros(Condicion& c, const EstadoFiltros& estado);

} // namespace reports
