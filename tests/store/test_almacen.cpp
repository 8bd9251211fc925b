#include "core/error.h"
#include "store/almacen.h"
#include "tests/store/presta_prueba.h"

#include <gtest/gtest.h>

#include <filesystem>

using Filas = std::vector<std::vector<std::string>>;

class Almacen : public ::testing::Test {
protected:
    prueba::AlmacenDePrueba a;

    void SetUp() override {
        // Today is 2026-05-20.
        a.agregar({{"dni", "1"},
                   {"apellido", "Peralta"},
                   {"grado", "11"},
                   {"tipo_usu", "Alumno"},
                   {"titulo", "Rayuela"},
                   {"fecha_presta", "20260501"},
                   {"fecha_devolucion", "20260510"}});
        a.agregar({{"dni", "2"},
                   {"apellido", "PEREYRA"},
                   {"grado", "14"},
                   {"tipo_usu", "ALUMNO"},
                   {"titulo", "rayuela"},
                   {"fecha_presta", "20260502"},
                   {"fecha_devolucion", "20260530"}});
        a.agregar({{"dni", "3"},
                   {"apellido", "Gómez"},
                   {"grado", "21"},
                   {"tipo_usu", "Docente"},
                   {"titulo", "Ficciones"},
                   {"fecha_presta", "20260401"},
                   {"fecha_devolucion", "20260410"},
                   {"devuelto", "20260415"}});
        a.agregar({{"dni", "4"},
                   {"apellido", "Núñez"},
                   {"grado", "1.3"},
                   {"tipo_usu", "Alumno"},
                   {"titulo", "Ficciones"},
                   {"fecha_presta", "20260415"},
                   {"fecha_devolucion", "20260420"}});
    }
};

TEST_F(Almacen, AgrupaPorNivelConLeft) {
    const Filas filas = a.filas("SELECT LEFT(grado,1) AS nivel, COUNT(LEFT(grado,1)) AS cant FROM "
                                "presta GROUP BY LEFT(grado,1) ORDER BY COUNT(LEFT(grado,1)) DESC");
    EXPECT_EQ(filas, (Filas{{"1", "3"}, {"2", "1"}}));
}

TEST_F(Almacen, MorososContraLaFechaDelPrograma) {
    const std::string sql =
        "SELECT dni, legajo, nombre, apellido, grado, tipo_usu, titulo, tematica, autor, "
        "nro_renovaciones, fecha_devolucion, devuelto, fecha_presta, inventario FROM presta "
        "WHERE (devuelto = '' OR devuelto IS NULL) AND fecha_devolucion<format(date(),'yyyymmdd') "
        "AND tipo_usu='Alumno' AND  apellido LIKE '%per%'ORDER BY devuelto";
    const Filas filas = a.filas(sql);
    ASSERT_EQ(filas.size(), 1u);
    EXPECT_EQ(filas[0][0], "1");
    // Moving today past the second loan's due date makes it overdue too.
    a.reloj.fijar(core::Fecha{std::chrono::year{2026}, std::chrono::month{6}, std::chrono::day{1}});
    EXPECT_EQ(a.filas(sql).size(), 2u);
}

TEST_F(Almacen, FormatoDeFechaDeHoy) {
    EXPECT_EQ(a.filas("SELECT format(date(),'yyyymmdd')"), (Filas{{"20260520"}}));
}

TEST_F(Almacen, TextoSinMayusculasAgrupaYCompara) {
    EXPECT_EQ(a.filas("SELECT titulo, COUNT(dni) AS cant FROM presta GROUP BY titulo  ORDER BY "
                      "COUNT(titulo) DESC, titulo")
                  .size(),
              2u);
    EXPECT_EQ(a.filas("SELECT dni FROM presta WHERE tipo_usu='alumno' ORDER BY dni"),
              (Filas{{"1"}, {"2"}, {"4"}}));
    EXPECT_EQ(a.filas("SELECT apellido FROM presta ORDER BY apellido"),
              (Filas{{"Gómez"}, {"Núñez"}, {"Peralta"}, {"PEREYRA"}}));
}

TEST_F(Almacen, VacioEsNuloYSeEncuentraConAmbasPruebas) {
    EXPECT_EQ(a.filas("SELECT COUNT(*) FROM presta WHERE devuelto IS NULL"), (Filas{{"3"}}));
    EXPECT_EQ(a.filas("SELECT COUNT(*) FROM presta WHERE (devuelto = '' OR devuelto IS NULL)"),
              (Filas{{"3"}}));
    EXPECT_EQ(a.filas("SELECT COUNT(*) FROM presta WHERE devuelto<>''"), (Filas{{"1"}}));
    EXPECT_EQ(a.filas("SELECT nombre FROM presta WHERE dni='3'"), (Filas{{"<null>"}}));
}

TEST_F(Almacen, SelectSinFilasQuedaAlFinal) {
    a.ctx.TextoSql = "SELECT * FROM presta WHERE dni='no existe'";
    auto r = store::EjecutarConsulta(a.ctx, a.ctx.TextoSql, store::adOpenForwardOnly,
                                     store::adLockReadOnly);
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(r->fin());
    EXPECT_EQ(r->columnas(), 17);
}

TEST_F(Almacen, SelectAsteriscoConPuntoYComa) {
    EXPECT_EQ(a.filas("SELECT * FROM presta;").size(), 4u);
}

TEST_F(Almacen, InstruccionInvalidaLanzaErrorDeBase) {
    try {
        a.filas("SELECT * FROM noexiste");
        FAIL();
    } catch (const core::Error& e) {
        EXPECT_EQ(e.numero(), core::Error::ErrorBaseDatos);
        EXPECT_NE(e.descripcion().find("noexiste"), std::string::npos);
    }
}

TEST_F(Almacen, CiudadesPorProvincia) {
    const Filas cordoba = a.filas("SELECT * FROM ciudades WHERE idprovincia=14 ORDER BY nombre");
    ASSERT_FALSE(cordoba.empty());
    EXPECT_EQ(cordoba.front()[2], "Alta Gracia");
    EXPECT_EQ(a.filas("SELECT COUNT(DISTINCT idprovincia) FROM ciudades"), (Filas{{"24"}}));
}

TEST(EjecutarConsulta, SinConexionEsError91) {
    prueba::CarpetaTemporal carpeta;
    core::Reloj reloj;
    store::Contexto ctx(carpeta.ruta(), reloj);
    try {
        store::EjecutarConsulta(ctx, "SELECT 1", store::adOpenForwardOnly, store::adLockReadOnly);
        FAIL();
    } catch (const core::Error& e) {
        EXPECT_EQ(e.numero(), core::Error::ObjetoNoEstablecido);
    }
}

TEST(ExisteArchivo, SigueLaBusquedaDelSistema) {
    prueba::CarpetaTemporal carpeta;
    carpeta.escribir("PRESTA.MST", "x");
    carpeta.escribir("a[1].txt", "x");
    std::filesystem::create_directory(carpeta.archivo("sub"));
    EXPECT_TRUE(store::ExisteArchivo(carpeta.archivo("PRESTA.MST")));
    EXPECT_TRUE(store::ExisteArchivo(carpeta.archivo("sub")));
    EXPECT_TRUE(store::ExisteArchivo(carpeta.archivo("*.MST")));
    EXPECT_TRUE(store::ExisteArchivo(carpeta.archivo("PRES?A.MST")));
    EXPECT_TRUE(store::ExisteArchivo(carpeta.archivo("a[1].txt")));
    EXPECT_FALSE(store::ExisteArchivo(carpeta.archivo("*.xrf")));
    EXPECT_FALSE(store::ExisteArchivo(carpeta.archivo("falta.mst")));
    EXPECT_FALSE(store::ExisteArchivo(""));
}

// A store that is not a database is kept aside, whole, and a new one made.
TEST(AbrirBaseDatos, ArchivoQueNoEsBaseSeApartaYSeCreaUnaNueva) {
    prueba::CarpetaTemporal carpeta;
    carpeta.escribir("base.mdb", std::string(4096, 'x'));
    core::Reloj reloj;
    store::Contexto ctx(carpeta.ruta(), reloj);
    ASSERT_NO_THROW(store::AbrirBaseDatos(ctx));
    ASSERT_NE(ctx.Conexion, nullptr);
    store::Sentencia ciudades(*ctx.Conexion, "SELECT COUNT(*) FROM ciudades");
    ASSERT_TRUE(ciudades.paso());
    EXPECT_NE(ciudades.valor(0), "0");
    std::vector<std::string> apartadas;
    for (const auto& entrada : std::filesystem::directory_iterator(carpeta.ruta())) {
        if (entrada.path().filename().string().rfind("base.mdb.dañada-", 0) == 0) {
            apartadas.push_back(entrada.path().filename().string());
        }
    }
    ASSERT_EQ(apartadas.size(), 1u);
    EXPECT_EQ(carpeta.leer(apartadas[0]), std::string(4096, 'x'));
}

TEST_F(Almacen, LikeAcotadoDevuelveLoMismoQueSinAcotar) {
    a.agregar({{"dni", "5"}, {"grado", "1"}, {"tipo_usu", "alumno"}});
    a.agregar({{"dni", "6"}, {"grado", "2"}, {"tipo_usu", "Alumnos"}});
    EXPECT_EQ(a.filas("SELECT dni FROM presta WHERE grado LIKE  '1%' ORDER BY dni"),
              (Filas{{"1"}, {"2"}, {"4"}, {"5"}}));
    EXPECT_EQ(a.filas("SELECT dni FROM presta WHERE tipo_usu LIKE 'ALUMNO' ORDER BY dni"),
              (Filas{{"1"}, {"2"}, {"4"}, {"5"}}));
    EXPECT_EQ(a.filas("SELECT dni FROM presta WHERE tipo_usu LIKE 'alum%' ORDER BY dni"),
              (Filas{{"1"}, {"2"}, {"4"}, {"5"}, {"6"}}));
    EXPECT_EQ(a.filas("SELECT nombre FROM ciudades WHERE nombre LIKE 'río g%' ORDER BY nombre"),
              (Filas{{"Río Gallegos"}, {"Río Grande"}}));
}
