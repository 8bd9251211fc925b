#pragma once

#include "tests/apoyo/entorno.h"

namespace prueba {

// An open store on a temporary folder holding twelve loans with known counts,
// today fixed at 1 June 2024:
//   by member: 100 Ana Paz 4, 200 Luis Gil 3, 300 Eva Sosa 2, 400, 500, 600 one each;
//   by title: El Principito 5, Martín Fierro 3, Cosmos 2, Rayuela 2;
//   by subject: NOVELAS 6, POESÍA 3, ASTRONOMIA 2, ARTE 1;
//   by grade: 11 4, 12 3, 21 2, 00 1, 31 1, 32 1; by level: 1 7, 2 2, 3 2, 0 1.
// Alumno + PRIMARIA + from 2024-03-01 keeps Ana's 3 and Luis's 2 loans.
struct PrestaRanking : Entorno {
    PrestaRanking();
};

} // namespace prueba
