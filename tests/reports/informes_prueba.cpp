#include "tests/reports/informes_prueba.h"

#include "tests/apoyo/filas_presta.h"

#include <map>

namespace prueba {

InformesPrueba::InformesPrueba(core::Fecha hoy) : Entorno(hoy) {
    abrirAlmacen();
    agregarFilas(ctx, "usuarios", {"dni", "legajo", "apellido", "nombre", "tipo_usu", "grado"},
                 {{"AB12", "100", "Gómez", "Ana", "Alumno", "21"},
                  {"300", "301", "Pérez", "Luis", "Alumno", "21"},
                  {"300", "302", "Pérez", "Lucía", "Docente", "52"},
                  {"400", "400", "Ñandú", "Eva", "Alumno", "22"},
                  {"500", "500", "Sosa", "Iván", "Alumno", std::nullopt},
                  {"600", "600", "Ruiz", "Mia", "Alumno", ""},
                  {"700", "700", "Díaz", "Leo", "Alumno", "21"}});
    agregarFilas(ctx, "ejemplares", {"inventario", "titulo", "autor", "tematica"},
                 {{"AB1", "Ficciones", "Borges", "LITERATURA"},
                  {"C2", "Rayuela", "Cortázar", "LITERATURA"},
                  {"D3", "Atlas", "Anónimo", "GEOGRAFIA"},
                  {"E4", "Cosmos", "Sagan", "CIENCIA"},
                  {"F5", "Martín Fierro", "Hernández", "LITERATURA"}});
    // Each loan carries its member's and its copy's columns, as a load leaves them.
    struct Socio {
        const char *apellido, *nombre, *legajo;
        Valor grado;
    };
    const std::map<std::string, Socio> socios{{"AB12", {"Gómez", "Ana", "100", "21"}},
                                              {"300", {"Pérez", "Luis", "301", "21"}},
                                              {"500", {"Sosa", "Iván", "500", std::nullopt}},
                                              {"700", {"Díaz", "Leo", "700", "21"}}};
    const std::map<std::string, std::pair<const char*, const char*>> libros{
        {"AB1", {"Ficciones", "LITERATURA"}},
        {"C2", {"Rayuela", "LITERATURA"}},
        {"E4", {"Cosmos", "CIENCIA"}},
        {"F5", {"Martín Fierro", "LITERATURA"}}};
    const auto prestamo = [&](const std::string& dni, const std::string& inventario,
                              const std::string& fecha, const std::string& vence,
                              Valor devuelto) -> Fila {
        const Socio& s = socios.at(dni == "ab12" ? "AB12" : dni);
        const auto& [titulo, tematica] = libros.at(inventario == " ab1 "  ? "AB1"
                                                   : inventario == " f5 " ? "F5"
                                                                          : inventario);
        return {dni,    s.apellido, s.nombre, s.legajo, s.grado, inventario,
                titulo, tematica,   fecha,    vence,    devuelto};
    };
    agregarFilasPresta(ctx,
                       {"dni", "apellido", "nombre", "legajo", "grado", "inventario", "titulo",
                        "tematica", "fecha_presta", "fecha_devolucion", "devuelto"},
                       {prestamo("ab12", " ab1 ", "20240301", "20240315", "20240310"),
                        prestamo("300", "E4", "20240331", "20240414", "20240401"),
                        prestamo("500", "E4", "20240315", "20240329", "20240320"),
                        prestamo("AB12", " f5 ", "20240310", "20240324", "20240320"),
                        prestamo("700", "C2", "20240215", "20240229", "20240220"),
                        prestamo("AB12", "AB1", "20230320", "20230403", "20230401"),
                        prestamo("500", "E4", "20230115", "20230129", "20230120"),
                        prestamo("300", "E4", enDias(-20), enDias(0), std::nullopt),
                        prestamo("AB12", "AB1", enDias(-20), enDias(-1), std::nullopt),
                        prestamo("500", "E4", enDias(-20), enDias(-10), "")});
    // As a load of these rows leaves it: the rankings' base.
    ctx.TotalPrestamos = 10;
}

std::string InformesPrueba::enDias(int n) const {
    return core::textoAAAAMMDD(core::sumarDias(reloj.hoy(), n));
}

} // namespace prueba
