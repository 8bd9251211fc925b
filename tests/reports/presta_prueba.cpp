#include "tests/reports/presta_prueba.h"

#include "store/almacen.h"

namespace prueba {

namespace {
core::Fecha dia(int a, unsigned m, unsigned d) {
    return core::Fecha{std::chrono::year{a}, std::chrono::month{m}, std::chrono::day{d}};
}
} // namespace

PrestaPrueba::PrestaPrueba() : reloj(dia(2024, 5, 10)), ctx(carpeta.ruta(), reloj) {
    store::AbrirBaseDatos(ctx);
    ctx.Conexion->ejecutar(
        "INSERT INTO presta (dni, legajo, nombre, apellido, grado, tipo_usu, titulo, tematica, "
        "autor, inventario, fecha_presta, fecha_devolucion, devuelto, nro_renovaciones, "
        "suspendido) VALUES "
        "('1', '100', 'Ana', 'Gomez', '21', 'Alumno', 'La luna', 'HISTORIA', 'Borges', 'A1', "
        "'20240301', '20240315', '20240320', '1', NULL),"
        "('2', '200', 'Juan', 'Pérez', '14', 'Docente', ' El sol', 'ARTE', 'Cortázar', 'A2', "
        "'20240401', '20240510', NULL, NULL, NULL),"
        "('3', '300', 'Luis', 'D''Angelo', '22', 'Alumno', 'Mar', '   ', 'Ana María', 'A3', "
        "'20240402', '20240409', '', NULL, NULL),"
        "('1', '100', 'Ana', 'Gomez', '21', 'Alumno', 'Ficciones', 'HISTORIA', 'Borges', 'A4', "
        "'20240410', '20240420', '20240420', '', 'SI')");
}

} // namespace prueba
