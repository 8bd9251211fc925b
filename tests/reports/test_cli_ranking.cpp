#include "tests/apoyo/programa_cli.h"
#include "tests/reports/presta_ranking.h"

#include <filesystem>
#include <gtest/gtest.h>

TEST(CliRanking, ListaLasLineasDelRanking) {
    prueba::PrestaRanking base;
    const std::string d = base.carpeta.ruta();
    prueba::SalidaCli s = prueba::ejecutarCli(d, "ranking --agrupar libro");
    EXPECT_EQ(s.codigo, 0);
    // The base of the percentages is every row of presta.
    EXPECT_EQ(s.texto, "El Principito -  (41.67) \nMartín Fierro -  (25) \nCosmos -  (16.67) \n"
                       "Rayuela -  (16.67) \n");

    s = prueba::ejecutarCli(d, "ranking --agrupar usuario --mostrar 1 --barras 2 --cantidad");
    EXPECT_EQ(s.texto, "100 - Ana - Paz -  (4) \n200 - Luis - Gil -  (3) \n");

    s = prueba::ejecutarCli(d,
                            "ranking --agrupar usuario --tipo Alumno --grado 6 --desde 20240301");
    EXPECT_EQ(s.texto, "100 -  (25) \n200 -  (16.67) \n");

    s = prueba::ejecutarCli(d, "ranking --agrupar nivel --hasta 20200101");
    EXPECT_EQ(s.codigo, 0);
    EXPECT_EQ(s.texto, "");
}

TEST(CliRanking, SqlMuestraLaSentenciaSinEjecutarNada) {
    prueba::CarpetaTemporal vacia;
    const prueba::SalidaCli s =
        prueba::ejecutarCli(vacia.ruta(), "ranking --agrupar tema --mostrar 4,6 --tematica "
                                          "'LITERATURA - CUENTOS' --sql");
    EXPECT_EQ(s.codigo, 0);
    EXPECT_EQ(s.texto, "SELECT tematica, titulo, autor , COUNT(tematica) AS cant FROM presta WHERE "
                       "tematica LIKE 'LITERATURA - CUENTOS' GROUP BY tematica, titulo, autor  "
                       "ORDER BY COUNT(tematica) DESC\n");
    EXPECT_FALSE(std::filesystem::exists(vacia.archivo("base.mdb")));
}

TEST(CliRanking, OpcionesInvalidasConMensajeClaro) {
    prueba::CarpetaTemporal vacia;
    const struct {
        const char* argumentos;
        const char* mensaje;
    } casos[] = {
        {"ranking", "Error 5: Falta --agrupar usuario|libro|tema|grado|nivel\n"},
        {"ranking --agrupar autor",
         "Error 5: No es un elemento de la lista de agrupaciones: autor\n"},
        {"ranking --agrupar usuario --tipo alumno",
         "Error 5: No es un elemento de la lista de tipos de usuario: alumno\n"},
        {"ranking --agrupar libro --mostrar 0",
         "Error 5: La casilla 0 de \"Mostrar\" no se ofrece al agrupar por libro\n"},
        {"ranking --agrupar grado --grado 45", "Error 5: La posición de grado va de 0 a 44: 45\n"},
        {"ranking --agrupar grado --barras -3", "Error 5: --barras espera un número: -3\n"},
        {"ranking --agrupar grado --desde 2024", "Error 5: "},
    };
    for (const auto& c : casos) {
        const prueba::SalidaCli s = prueba::ejecutarCli(vacia.ruta(), c.argumentos);
        EXPECT_EQ(s.codigo, 1) << c.argumentos;
        EXPECT_EQ(s.texto.rfind(c.mensaje, 0), 0u) << c.argumentos << ": " << s.texto;
    }
}
