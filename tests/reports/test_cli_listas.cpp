#include "tests/apoyo/programa_cli.h"
#include "tests/reports/presta_prueba.h"

#include <string>

#include <gtest/gtest.h>

namespace {

const std::string Encabezado = "\tDNI\tLegajo\tNombre\tApellido\tGrado\tTipo Usuario\tTítulo\t"
                               "Temática\tAutor\tInventario\tFecha Prestamo\tFecha Devolucion\t"
                               "Devuelto\n";

} // namespace

TEST(CliListas, ListaImprimeLaGrillaSinLaFilaVaciaFinal) {
    prueba::PrestaPrueba p;
    const prueba::SalidaCli s = prueba::ejecutarCli(p.carpeta.ruta(), "lista --modo 5");
    EXPECT_EQ(s.codigo, 0);
    EXPECT_EQ(s.texto, Encabezado + "1\t1\t100\tAna\tGomez\t21\tAlumno\tLa luna\tHISTORIA\tBorges\t"
                                    "A1\t20240301\t20240315\t20240320\n");
    EXPECT_EQ(prueba::ejecutarCli(p.carpeta.ruta(), "lista --modo 5 --tipo Docente").texto,
              Encabezado);
}

TEST(CliListas, BusquedasConSusOpcionesYOrden) {
    prueba::PrestaPrueba p;
    const prueba::SalidaCli s =
        prueba::ejecutarCli(p.carpeta.ruta(), "buscar-usuarios --legajo 100 --orden inventario");
    EXPECT_EQ(s.codigo, 0);
    EXPECT_NE(s.texto.find("\tSuspendido\n"), std::string::npos);
    EXPECT_NE(s.texto.find("\tA4\t20240410\t20240420\t20240420\tSI\n"), std::string::npos);
    EXPECT_EQ(
        prueba::ejecutarCli(p.carpeta.ruta(), "buscar-libros --autor \"D'\" --grado 14").texto,
        Encabezado);
}

TEST(CliListas, SqlImprimeLaSentenciaSinEjecutarla) {
    prueba::PrestaPrueba p;
    const prueba::SalidaCli s =
        prueba::ejecutarCli(p.carpeta.ruta(), "buscar-libros --titulo luna --autor ana --sql");
    EXPECT_EQ(s.texto,
              "SELECT dni, legajo, nombre, apellido, grado, tipo_usu, titulo, tematica, "
              "autor, nro_renovaciones, fecha_devolucion, devuelto, fecha_presta, "
              "inventario FROM presta WHERE  sin_acentos(titulo) LIKE sin_acentos('%luna%')AND  "
              "sin_acentos(autor) LIKE sin_acentos('%ana%') "
              "ORDER BY titulo\n");
}

TEST(CliListas, OpcionesNoValidasSonError5) {
    prueba::PrestaPrueba p;
    for (const char* malas :
         {"lista --modo 6", "lista --modo 1 --orden 'titulo; DROP TABLE presta'",
          "buscar-usuarios --grado 45", "buscar-libros --tematica ARTES",
          "buscar-libros --desde 2024-01-01"}) {
        const prueba::SalidaCli s = prueba::ejecutarCli(p.carpeta.ruta(), malas);
        EXPECT_EQ(s.codigo, 1) << malas;
        EXPECT_EQ(s.texto.rfind("Error 5: ", 0), 0u) << malas << ": " << s.texto;
    }
}
