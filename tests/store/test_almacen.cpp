#include "core/error.h"
#include "store/almacen.h"
#include "store/ciudades.h"
#include "store/contexto.h"
#include "store/registros.h"
#include "tests/apoyo/entorno.h"
#include "tests/apoyo/filas_presta.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

using Filas = std::vector<prueba::Fila>;

class Almacen : public ::testing::Test {
protected:
    prueba::Entorno a{prueba::dia(2026, 5, 20)};

    void SetUp() override {
        a.abrirAlmacen();
        prueba::agregarFilasPresta(
            a.ctx,
            {"dni", "apellido", "grado", "tipo_usu", "titulo", "fecha_presta", "fecha_devolucion",
             "devuelto"},
            {{"1", "Peralta", "11", "Alumno", "Rayuela", "20260501", "20260510", std::nullopt},
             {"2", "PEREYRA", "14", "ALUMNO", "rayuela", "20260502", "20260530", std::nullopt},
             {"3", "Gómez", "21", "Docente", "Ficciones", "20260401", "20260410", "20260415"},
             {"4", "Núñez", "1.3", "Alumno", "Ficciones", "20260415", "20260420", std::nullopt}});
    }
};

TEST_F(Almacen, AgrupaPorNivelConLeft) {
    const Filas filas =
        prueba::filasDe(a.ctx, "SELECT LEFT(grado,1) AS nivel, COUNT(LEFT(grado,1)) AS cant FROM "
                               "presta GROUP BY LEFT(grado,1) ORDER BY COUNT(LEFT(grado,1)) DESC");
    EXPECT_EQ(filas, (Filas{{"1", "3"}, {"2", "1"}}));
}

TEST_F(Almacen, MorososContraLaFechaDelPrograma) {
    const std::string sql =
        "SELECT dni, legajo, nombre, apellido, grado, tipo_usu, titulo, tematica, autor, "
        "nro_renovaciones, fecha_devolucion, devuelto, fecha_presta, inventario FROM presta "
        "WHERE (devuelto = '' OR devuelto IS NULL) AND fecha_devolucion<format(date(),'yyyymmdd') "
        "AND tipo_usu='Alumno' AND  apellido LIKE '%per%'ORDER BY devuelto";
    const Filas filas = prueba::filasDe(a.ctx, sql);
    ASSERT_EQ(filas.size(), 1u);
    EXPECT_EQ(filas[0][0], "1");
    // Moving today past the second loan's due date makes it overdue too.
    a.reloj.fijar(core::Fecha{std::chrono::year{2026}, std::chrono::month{6}, std::chrono::day{1}});
    EXPECT_EQ(prueba::filasDe(a.ctx, sql).size(), 2u);
}

TEST_F(Almacen, FormatoDeFechaDeHoy) {
    EXPECT_EQ(prueba::filasDe(a.ctx, "SELECT format(date(),'yyyymmdd')"), (Filas{{"20260520"}}));
}

TEST_F(Almacen, TextoSinMayusculasAgrupaYCompara) {
    EXPECT_EQ(prueba::filasDe(
                  a.ctx, "SELECT titulo, COUNT(dni) AS cant FROM presta GROUP BY titulo  ORDER BY "
                         "COUNT(titulo) DESC, titulo")
                  .size(),
              2u);
    EXPECT_EQ(prueba::filasDe(a.ctx, "SELECT dni FROM presta WHERE tipo_usu='alumno' ORDER BY dni"),
              (Filas{{"1"}, {"2"}, {"4"}}));
    EXPECT_EQ(prueba::filasDe(a.ctx, "SELECT apellido FROM presta ORDER BY apellido"),
              (Filas{{"Gómez"}, {"Núñez"}, {"Peralta"}, {"PEREYRA"}}));
}

TEST_F(Almacen, VacioEsNuloYSeEncuentraConAmbasPruebas) {
    EXPECT_EQ(prueba::filasDe(a.ctx, "SELECT COUNT(*) FROM presta WHERE devuelto IS NULL"),
              (Filas{{"3"}}));
    EXPECT_EQ(prueba::filasDe(
                  a.ctx, "SELECT COUNT(*) FROM presta WHERE (devuelto = '' OR devuelto IS NULL)"),
              (Filas{{"3"}}));
    EXPECT_EQ(prueba::filasDe(a.ctx, "SELECT COUNT(*) FROM presta WHERE devuelto<>''"),
              (Filas{{"1"}}));
    EXPECT_EQ(prueba::filasDe(a.ctx, "SELECT nombre FROM presta WHERE dni='3'"),
              (Filas{{std::nullopt}}));
    // Read back, an empty text stays apart from NULL, whatever the value's type.
    EXPECT_EQ(prueba::filasDe(a.ctx, "SELECT '', NULL, 'x', 0, x'', x'41'"),
              (Filas{{"", std::nullopt, "x", "0", "", "A"}}));
}

TEST_F(Almacen, SelectSinFilasQuedaAlFinal) {
    auto r = store::EjecutarConsulta(a.ctx, "SELECT * FROM presta WHERE dni='no existe'",
                                     store::adOpenForwardOnly, store::adLockReadOnly);
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(r->fin());
    EXPECT_EQ(r->columnas(), 17);
}

TEST_F(Almacen, EjecutarConsultaGuardaCadaSentenciaQueCorreAunSiFalla) {
    EXPECT_EQ(a.ctx.TextoSql, ""); // seeding runs no statement of the program
    const std::string lectura = "SELECT dni FROM presta WHERE dni='4'";
    EXPECT_EQ(prueba::filasDe(a.ctx, lectura), (Filas{{"4"}}));
    EXPECT_EQ(a.ctx.TextoSql, lectura);
    EXPECT_THROW(prueba::filasDe(a.ctx, "SELECT * FROM noexiste"), core::Error);
    EXPECT_EQ(a.ctx.TextoSql, "SELECT * FROM noexiste");
}

TEST_F(Almacen, SelectAsteriscoConPuntoYComa) {
    EXPECT_EQ(prueba::filasDe(a.ctx, "SELECT * FROM presta;").size(), 4u);
}

TEST_F(Almacen, InstruccionInvalidaLanzaErrorDeBase) {
    try {
        prueba::filasDe(a.ctx, "SELECT * FROM noexiste");
        FAIL();
    } catch (const core::Error& e) {
        EXPECT_EQ(e.numero(), core::Error::ErrorBaseDatos);
        EXPECT_NE(e.descripcion().find("noexiste"), std::string::npos);
    }
}

TEST_F(Almacen, CiudadesPorProvincia) {
    const Filas cordoba =
        prueba::filasDe(a.ctx, "SELECT * FROM ciudades WHERE idprovincia=14 ORDER BY nombre");
    ASSERT_FALSE(cordoba.empty());
    EXPECT_EQ(cordoba.front()[2], "Alta Gracia");
    EXPECT_EQ(prueba::filasDe(a.ctx, "SELECT COUNT(DISTINCT idprovincia) FROM ciudades"),
              (Filas{{"24"}}));
}

TEST(EjecutarConsulta, SinConexionEsError91) {
    prueba::Entorno e{prueba::dia(2026, 5, 20)};
    try {
        store::EjecutarConsulta(e.ctx, "SELECT 1");
        FAIL();
    } catch (const core::Error& error) {
        EXPECT_EQ(error.numero(), core::Error::ObjetoNoEstablecido);
    }
    EXPECT_EQ(e.ctx.TextoSql, "SELECT 1");
}

TEST_F(Almacen, CiudadesDeUnaProvinciaPorNombreSinBlancos) {
    EXPECT_EQ(store::SentenciaCiudades(94),
              "SELECT * FROM ciudades WHERE idprovincia=94 ORDER BY nombre");
    a.ctx.Conexion->ejecutar("INSERT INTO ciudades (idprovincia, idciudad, nombre) VALUES "
                             "(94, 900, ' \tAlmanza  ')");
    std::vector<std::pair<std::optional<int>, std::string>> leidas;
    for (const store::Ciudad& c : store::CiudadesDeProvincia(a.ctx, 94)) {
        leidas.emplace_back(c.id, c.nombre);
    }
    EXPECT_EQ(a.ctx.TextoSql, store::SentenciaCiudades(94));
    const Filas tabla = prueba::filasDe(
        a.ctx, "SELECT idciudad FROM ciudades WHERE idprovincia=94 ORDER BY nombre");
    ASSERT_EQ(tabla.size(), 4u);
    ASSERT_EQ(leidas.size(), 4u);
    EXPECT_EQ(leidas[0].second, "Almanza"); // its blanks go
    EXPECT_EQ(leidas[0].first, 900);
    EXPECT_EQ(leidas[1].second, "Río Grande");
    EXPECT_EQ(leidas[2].second, "Tolhuin");
    EXPECT_EQ(leidas[3].second, "Ushuaia");
    for (std::size_t i = 0; i < leidas.size(); ++i) {
        ASSERT_TRUE(leidas[i].first.has_value()) << i;
        EXPECT_EQ(std::to_string(*leidas[i].first), tabla[i][0]) << i;
    }
    EXPECT_TRUE(store::CiudadesDeProvincia(a.ctx, 1).empty());
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
    prueba::agregarPresta(a.ctx, {{"dni", "5"}, {"grado", "1"}, {"tipo_usu", "alumno"}});
    prueba::agregarPresta(a.ctx, {{"dni", "6"}, {"grado", "2"}, {"tipo_usu", "Alumnos"}});
    EXPECT_EQ(prueba::filasDe(a.ctx, "SELECT dni FROM presta WHERE grado LIKE  '1%' ORDER BY dni"),
              (Filas{{"1"}, {"2"}, {"4"}, {"5"}}));
    EXPECT_EQ(
        prueba::filasDe(a.ctx, "SELECT dni FROM presta WHERE tipo_usu LIKE 'ALUMNO' ORDER BY dni"),
        (Filas{{"1"}, {"2"}, {"4"}, {"5"}}));
    EXPECT_EQ(
        prueba::filasDe(a.ctx, "SELECT dni FROM presta WHERE tipo_usu LIKE 'alum%' ORDER BY dni"),
        (Filas{{"1"}, {"2"}, {"4"}, {"5"}, {"6"}}));
    EXPECT_EQ(prueba::filasDe(
                  a.ctx, "SELECT nombre FROM ciudades WHERE nombre LIKE 'río g%' ORDER BY nombre"),
              (Filas{{"Río Gallegos"}, {"Río Grande"}}));
}

// A reading connection sorts in runs of its small cache and merges them: the
// rows must come in the order one sorted list gives, those with equal keys
// (also keys equal only up to case) in the order they are stored, and each
// group must show the same stored values.
TEST(AjustarParaLeer, OrdenaYAgrupaComoEnUnaSolaLista) {
    prueba::Entorno a{prueba::dia(2026, 5, 20)};
    a.abrirAlmacen();
    const std::array<prueba::Valor, 5> devueltos{"", std::nullopt, "20260101", "abc", "ABC"};
    const std::string relleno(300, '.');
    std::vector<prueba::Fila> filas;
    // About 10 MB through the sorter: several runs of 2 MB.
    for (int i = 0; i < 30000; ++i) {
        filas.push_back(
            {std::to_string(i), devueltos[static_cast<std::size_t>(i * 7 % 5)],
             (i % 3 != 0 ? "Rayuela " : "RAYUELA ") + std::to_string(i % 50) + relleno});
    }
    {
        store::Transaccion t(*a.ctx.Conexion);
        prueba::agregarFilasPresta(a.ctx, {"dni", "devuelto", "titulo"}, filas);
        t.confirmar();
    }
    const std::string lista = "SELECT dni, devuelto, titulo FROM presta ORDER BY devuelto";
    const std::string ranking = "SELECT titulo, COUNT(titulo) AS cant FROM presta GROUP BY "
                                "titulo ORDER BY COUNT(titulo) DESC";
    const Filas listaEnUnaLista = prueba::filasDe(a.ctx, lista);
    const Filas rankingEnUnaLista = prueba::filasDe(a.ctx, ranking);
    ASSERT_EQ(listaEnUnaLista.size(), filas.size());
    ASSERT_EQ(rankingEnUnaLista.size(), 50u);

    store::AjustarParaLeer(*a.ctx.Conexion);
    EXPECT_EQ(prueba::filasDe(a.ctx, lista), listaEnUnaLista);
    EXPECT_EQ(prueba::filasDe(a.ctx, ranking), rankingEnUnaLista);
}

// The program's connection keeps its own cache outside the export, and a
// write transaction keeps it throughout.
TEST(CacheDeLectura, DevuelveLaCacheAnteriorYNoTocaUnaEscritura) {
    prueba::Entorno a{prueba::dia(2026, 5, 20)};
    a.abrirAlmacen();
    store::BaseDatos& base = *a.ctx.Conexion;
    const auto cache = [&] { return prueba::filasDe(a.ctx, "PRAGMA cache_size"); };
    base.ejecutar("PRAGMA cache_size = -12345");
    {
        const store::CacheDeLectura lectura(base);
        EXPECT_EQ(cache(), (Filas{{"-2000"}}));
    }
    EXPECT_EQ(cache(), (Filas{{"-12345"}}));
    store::Transaccion escritura(base);
    {
        const store::CacheDeLectura lectura(base);
        EXPECT_EQ(cache(), (Filas{{"-12345"}}));
    }
}

// A statement read straight through drops the memory map; one that looks
// rows up through an index keeps it. The rows are the same either way.
TEST_F(Almacen, AjustarParaRecorrerSoloSinIndices) {
    const auto mapa = [&] { return prueba::filasDe(a.ctx, "PRAGMA mmap_size"); };
    const Filas conMapa = mapa();
    ASSERT_NE(conMapa, (Filas{{"0"}}));
    const std::string porIndice = "SELECT dni FROM presta WHERE tipo_usu = 'Alumno' ORDER BY dni";
    const Filas filasPorIndice = prueba::filasDe(a.ctx, porIndice);
    store::AjustarParaRecorrer(a.ctx, porIndice);
    EXPECT_EQ(mapa(), conMapa);

    const std::string entera = "SELECT dni, titulo FROM presta ORDER BY devuelto";
    const Filas filasEntera = prueba::filasDe(a.ctx, entera);
    store::AjustarParaRecorrer(a.ctx, entera);
    EXPECT_EQ(mapa(), (Filas{{"0"}}));
    EXPECT_EQ(prueba::filasDe(a.ctx, entera), filasEntera);
    EXPECT_EQ(prueba::filasDe(a.ctx, porIndice), filasPorIndice);
    EXPECT_EQ(filasPorIndice.size(), 3u);
}

// Each new row starts with every column NULL: neither the values of a row
// left without actualizar nor those of the row before reach it.
TEST(Registros, CadaFilaNuevaEmpiezaVacia) {
    prueba::Entorno e{prueba::dia(2026, 5, 20)};
    e.abrirAlmacen();
    auto filas = store::Registros::anexador(store::ConexionAbierta(e.ctx), "SELECT * FROM presta");
    filas->agregarNuevo();
    filas->fijar("dni", "1");
    filas->fijar("titulo", "Rayuela");
    filas->actualizar();
    filas->agregarNuevo();
    filas->fijar("apellido", "abandonada");
    filas->agregarNuevo();
    filas->fijar("dni", "2");
    filas->actualizar();
    filas->agregarNuevo();
    filas->actualizar();
    EXPECT_EQ(prueba::filasDe(e.ctx, "SELECT dni, titulo, apellido FROM presta"),
              (Filas{{"1", "Rayuela", std::nullopt},
                     {"2", std::nullopt, std::nullopt},
                     {std::nullopt, std::nullopt, std::nullopt}}));
}
