#pragma once

#include "tests/apoyo/entorno.h"

namespace prueba {

// An open store on a temporary folder holding four loans, with today fixed at
// 10 May 2024:
// 1 Ana Gomez (legajo 100, Alumno, 21): returned five days late, renewed once;
// 2 Juan Pérez (200, Docente, 14): still out, due today;
// 3 Luis D'Angelo (300, Alumno, 22): still out, overdue, subject blank;
// 4 Ana Gomez again: returned on its due date, member suspended.
struct PrestaPrueba : Entorno {
    PrestaPrueba();
};

} // namespace prueba
