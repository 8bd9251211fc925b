#include "tests/reports/presta_ranking.h"

#include "store/almacen.h"

#include <gtest/gtest.h>

namespace prueba {

PrestaRanking::PrestaRanking()
    : reloj(core::Fecha{std::chrono::year{2024}, std::chrono::month{6}, std::chrono::day{1}}),
      ctx(carpeta.ruta(), reloj) {
    store::AbrirBaseDatos(ctx);
    ctx.Conexion->ejecutar(
        "INSERT INTO presta (dni, nombre, apellido, grado, tipo_usu, titulo, tematica, autor, "
        "fecha_presta) VALUES "
        "('100','Ana','Paz','11','Alumno','El Principito','LITERATURA - "
        "NOVELAS','Saint-Exupéry','20240305'),"
        "('100','Ana','Paz','11','Alumno','El Principito','LITERATURA - "
        "NOVELAS','Saint-Exupéry','20240310'),"
        "('100','Ana','Paz','11','Alumno','Martín Fierro','LITERATURA - "
        "POESÍA','Hernández','20240401'),"
        "('100','Ana','Paz','11','Alumno','Cosmos','ASTRONOMIA','Sagan','20240215'),"
        "('200','Luis','Gil','12','Alumno','El Principito','LITERATURA - "
        "NOVELAS','Saint-Exupéry','20240320'),"
        "('200','Luis','Gil','12','Alumno','Martín Fierro','LITERATURA - "
        "POESÍA','Hernández','20240322'),"
        "('200','Luis','Gil','12','Alumno','El Principito','LITERATURA - "
        "NOVELAS','Saint-Exupéry','20240102'),"
        "('300','Eva','Sosa','21','Docente','Cosmos','ASTRONOMIA','Sagan','20240303'),"
        "('300','Eva','Sosa','21','Docente','Martín Fierro','LITERATURA - "
        "POESÍA','Hernández','20240305'),"
        "('400','Juan','Ruiz','00','Alumno','El Principito','LITERATURA - "
        "NOVELAS','Saint-Exupéry','20231120'),"
        "('500','Rosa','Vera','31','Curso','Rayuela','LITERATURA - NOVELAS','Cortázar','20220510'),"
        "('600','Tomás','Díaz','32','Curso','Rayuela','ARTE','Cortázar','20220511')");
    ctx.TotalPrestamos = 12;
}

} // namespace prueba
