#include "tests/reports/presta_ranking.h"

#include "tests/apoyo/filas_presta.h"

namespace prueba {

PrestaRanking::PrestaRanking() : Entorno(dia(2024, 6, 1)) {
    abrirAlmacen();
    const char* const novelas = "LITERATURA - NOVELAS";
    const char* const poesia = "LITERATURA - POESÍA";
    agregarFilasPresta(
        ctx,
        {"dni", "nombre", "apellido", "grado", "tipo_usu", "titulo", "tematica", "autor",
         "fecha_presta"},
        {{"100", "Ana", "Paz", "11", "Alumno", "El Principito", novelas, "Saint-Exupéry",
          "20240305"},
         {"100", "Ana", "Paz", "11", "Alumno", "El Principito", novelas, "Saint-Exupéry",
          "20240310"},
         {"100", "Ana", "Paz", "11", "Alumno", "Martín Fierro", poesia, "Hernández", "20240401"},
         {"100", "Ana", "Paz", "11", "Alumno", "Cosmos", "ASTRONOMIA", "Sagan", "20240215"},
         {"200", "Luis", "Gil", "12", "Alumno", "El Principito", novelas, "Saint-Exupéry",
          "20240320"},
         {"200", "Luis", "Gil", "12", "Alumno", "Martín Fierro", poesia, "Hernández", "20240322"},
         {"200", "Luis", "Gil", "12", "Alumno", "El Principito", novelas, "Saint-Exupéry",
          "20240102"},
         {"300", "Eva", "Sosa", "21", "Docente", "Cosmos", "ASTRONOMIA", "Sagan", "20240303"},
         {"300", "Eva", "Sosa", "21", "Docente", "Martín Fierro", poesia, "Hernández", "20240305"},
         {"400", "Juan", "Ruiz", "00", "Alumno", "El Principito", novelas, "Saint-Exupéry",
          "20231120"},
         {"500", "Rosa", "Vera", "31", "Curso", "Rayuela", novelas, "Cortázar", "20220510"},
         {"600", "Tomás", "Díaz", "32", "Curso", "Rayuela", "ARTE", "Cortázar", "20220511"}});
    ctx.TotalPrestamos = 12;
}

} // namespace prueba
