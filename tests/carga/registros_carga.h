#pragma once

#include "tests/carga/entorno_carga.h"

#include <string>

// Records of the three databases of a load, as the load tests write them.
namespace prueba {

// A loan of copy `inventario` to member `dni` (none when empty), with every
// field the loans step reads.
escritor::Registro prestamo(const std::string& inventario, const std::string& dni);
// A member: first name "Ana", type "ALUMNO", address "Calle 1", member number
// "L-7", grade "31"; no field 10 when `apellido` is empty, no field 150 when
// `finSuspension` is.
escritor::Registro usuario(const std::string& dni, const std::string& apellido,
                           const std::string& finSuspension);
// A catalogue record with every field the titles step formats, holding the copy `inventario`.
escritor::Registro ejemplar(const std::string& inventario);

// Two complete loans and one whose member and copy are unknown.
BasesPrueba tresPrestamos();

} // namespace prueba
