#pragma once

#include "core/reloj.h"

#include <cstdint>
#include <string>

namespace demo {

// Sizes and seed of the three demo databases; the same seed and "today"
// always give the same bytes.
struct OpcionesDemo {
    std::string carpeta;
    int prestamos = 400;
    int usuarios = 0; // 0: one member for every five loans, at least 50
    int catalogo = 0; // 0: three titles for every five loans, at least 100
    std::uint32_t semilla = 1;
    core::Fecha hoy;
};

// Writes carpeta/PRESTA.*, carpeta/USUARIOS.* and carpeta/MARC.* (loans,
// members, catalogue) with their inverted files, in code page 850: loans of
// the two school years up to today, still out, overdue, returned late and
// renewed; a twelfth of the members never borrows and a tenth of the copies
// never goes out. Creates the folder. Throws Error on bad sizes or
// unwritable files.
void generarDemo(const OpcionesDemo& opciones);

// Where the catalogue keeps each copy's inventory number; indexed as "I:" + number.
inline constexpr int kTagInventario = 900;

} // namespace demo
