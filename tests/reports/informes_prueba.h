#pragma once

#include "tests/apoyo/entorno.h"

#include <string>

namespace prueba {

// An open store on a temporary folder for the librarian's reports, every
// edge of their definitions in it. "Today" is `hoy` (the command line's tests
// pass the system's); only the open loans depend on it.
//
// usuarios (dni, legajo, apellido, nombre, tipo_usu, grado):
//   AB12 100 Gómez Ana Alumno 21      borrows as "ab12" and "AB12"
//   300  301 Pérez Luis Alumno 21     shares document 300 with
//   300  302 Pérez Lucía Docente 52
//   400  400 Ñandú Eva Alumno 22      never borrows
//   500  500 Sosa Iván Alumno NULL    empty grade, borrows
//   600  600 Ruiz Mia Alumno ''       empty grade, never borrows
//   700  700 Díaz Leo Alumno 21       borrows only before March 2024
// ejemplares (inventario, titulo, autor, tematica):
//   AB1 Ficciones Borges LITERATURA   lent as " ab1 " and "AB1"
//   C2  Rayuela Cortázar LITERATURA   lent only on 20240215
//   D3  Atlas Anónimo GEOGRAFIA       never lent
//   E4  Cosmos Sagan CIENCIA          lent in March 2024
//   F5  Martín Fierro Hernández LITERATURA   lent only as " f5 "
// presta: ab12/" ab1 " on 20240301 (the period's first day), 300/E4 on
// 20240331 (its last), 500/E4 on 20240315, AB12/" f5 " on 20240310, 700/C2 on
// 20240215, AB12/AB1 on 20230320, 500/E4 on 20230115, all returned; and out
// since hoy-20: 300/E4 due today, AB12/AB1 due yesterday, 500/E4 due ten
// days ago (devuelto empty text).
struct InformesPrueba : Entorno {
    explicit InformesPrueba(core::Fecha hoy = dia(2024, 6, 15));

    // Today plus `n` days as "yyyymmdd".
    std::string enDias(int n) const;
};

} // namespace prueba
