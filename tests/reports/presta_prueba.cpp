#include "tests/reports/presta_prueba.h"

#include "tests/apoyo/filas_presta.h"

namespace prueba {

PrestaPrueba::PrestaPrueba() : Entorno(dia(2024, 5, 10)) {
    abrirAlmacen();
    agregarFilasPresta(
        ctx,
        {"dni", "legajo", "nombre", "apellido", "grado", "tipo_usu", "titulo", "tematica", "autor",
         "inventario", "fecha_presta", "fecha_devolucion", "devuelto", "nro_renovaciones",
         "suspendido"},
        {{"1", "100", "Ana", "Gomez", "21", "Alumno", "La luna", "HISTORIA", "Borges", "A1",
          "20240301", "20240315", "20240320", "1", std::nullopt},
         {"2", "200", "Juan", "Pérez", "14", "Docente", " El sol", "ARTE", "Cortázar", "A2",
          "20240401", "20240510", std::nullopt, std::nullopt, std::nullopt},
         {"3", "300", "Luis", "D'Angelo", "22", "Alumno", "Mar", "   ", "Ana María", "A3",
          "20240402", "20240409", "", std::nullopt, std::nullopt},
         {"1", "100", "Ana", "Gomez", "21", "Alumno", "Ficciones", "HISTORIA", "Borges", "A4",
          "20240410", "20240420", "20240420", "", "SI"}});
}

} // namespace prueba
