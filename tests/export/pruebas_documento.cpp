#include "tests/export/exportacion_prueba.h"

#include "core/error.h"
#include "store/base_datos.h"

#include <atomic>
#include <thread>

namespace {

using Documento = prueba::ExportacionPrueba;

const char* const Pares[] = {"00", "01", "02", "03", "11", "12", "13", "14", "15", "16", "17",
                             "21", "22", "23", "24", "25", "26", "31", "32", "33", "34", "41",
                             "42", "43", "44", "51", "52", "53", "61", "62", "63"};

TEST_F(Documento, PrestaVaciaAbreYCierraCadaLista) {
    const std::string d = documento();
    EXPECT_TRUE(
        d.starts_with("<?xml version='1.0' encoding='UTF-8' ?>\r\n<Escuela>\r\n\t<CUE></CUE>"));
    EXPECT_NE(
        d.find("\t<Periodo>19000101-20240315</Periodo>\r\n\t<Libros>\r\n\t\t<Ranking>\r\n\t\t</"
               "Ranking>\r\n\t\t<RankingN00>\r\n\t\t</RankingN00>\r\n\t\t<RankingN01>"),
        std::string::npos);
    EXPECT_NE(d.find("\r\n\t\t<Prestados>0</Prestados>\r\n\t\t<Temas>\r\n\t\t\t<RankingN00>"),
              std::string::npos);
    std::string temas = "\t\t<Temas>";
    for (const char* par : Pares) {
        temas += std::string("\r\n\t\t\t<RankingN") + par + ">\r\n\t\t\t</RankingN" + par + ">";
    }
    temas += "\r\n\t\t</Temas>\r\n\t\t<Tipos>\r\n\t\t</Tipos>\r\n\t</Libros>\r\n\t<LibrosMorosos>";
    EXPECT_NE(d.find(temas), std::string::npos);
    EXPECT_EQ(apariciones(d, "<Prestados>"), 1);
    // Each section has its 31 grade rankings, <Libros> and <LibrosMorosos> 31 more in <Temas>.
    EXPECT_EQ(apariciones(d, "<RankingN"), 31 * 6);
    EXPECT_EQ(apariciones(d, "<Tipos>\r\n\t\t</Tipos>"), 4);
    EXPECT_TRUE(d.ends_with("\r\n\t\t<Tipos>\r\n\t\t</Tipos>\r\n\t</Morosos>\r\n</Escuela>"));
}

// Rows of a transaction still open are seen by the program's own connection
// only: the export reads them all the same.
TEST_F(Documento, LasFilasSinConfirmarEntranEnCadaSeccion) {
    store::Transaccion transaccion(*ctx.Conexion);
    prueba::agregarPresta(ctx,
                          {{"titulo", "Rayuela"},
                           {"dni", "30111222"},
                           {"tipo_usu", "Docente"},
                           {"fecha_devolucion", "20240301"}},
                          2);
    const std::string dentro = documento();
    for (const char* seccion : {"Libros", "LibrosMorosos", "Usuarios", "Morosos"}) {
        EXPECT_EQ(apariciones(bloque(dentro, seccion), "<Cantidad>2</Cantidad>"), 3) << seccion;
    }
    transaccion.confirmar();
    EXPECT_EQ(documento(), dentro);
}

TEST_F(Documento, CadaListaTomaACincoComoMucho) {
    const char* temas[] = {"Arte",  "Biología", "Cuentos",  "Deportes",
                           "Ética", "Física",   "Geografía"};
    int veces = 8;
    for (const char* tema : temas) {
        prueba::agregarPresta(ctx, {{"titulo", tema}, {"tematica", tema}}, veces--);
    }
    // Arte holds two titles only.
    prueba::agregarPresta(ctx, {{"titulo", "Acuarelas"}, {"tematica", "Arte"}});
    const std::string libros = bloque(documento(), "Libros");
    const std::string temasL = bloque(libros, "Temas");
    EXPECT_EQ(apariciones(temasL, "\r\n\t\t\t<Tema>"), 5);
    EXPECT_NE(temasL.find("<Tema>Ética</Tema>"), std::string::npos);
    EXPECT_EQ(temasL.find("<Tema>Física</Tema>"), std::string::npos);
    const std::string arte = bloque(temasL, "Ranking");
    EXPECT_EQ(apariciones(arte, "<Libro>"), 2);
    EXPECT_EQ(apariciones(bloque(libros, "Ranking"), "<Libro>"), 5);
}

TEST_F(Documento, UnGrupoSinValorTerminaLaLista) {
    prueba::agregarPresta(ctx, {{"titulo", "Con tema"}, {"tematica", "Arte"}});
    prueba::agregarPresta(ctx, {{"titulo", "Sin tema"}}, 3);
    const std::string temas = bloque(bloque(documento(), "Libros"), "Temas");
    EXPECT_EQ(apariciones(temas, "\r\n\t\t\t<Tema>"), 1);
    EXPECT_NE(temas.find("<Tema>Arte</Tema>\r\n\t\t\t\t<Cantidad>1</Cantidad>"), std::string::npos);
}

TEST_F(Documento, CodigoTipoPorComparacionExacta) {
    prueba::agregarPresta(ctx, {{"dni", "1"}, {"tipo_usu", "ALUMNO"}}, 2);
    prueba::agregarPresta(ctx, {{"dni", "2"}, {"tipo_usu", "Dirección"}});
    const std::string tipos = bloque(bloque(documento(), "Usuarios"), "Tipos");
    EXPECT_NE(tipos.find("<Tipo>ALUMNO</Tipo>\r\n\t\t\t\t<CodigoTipo></CodigoTipo>\r\n\t\t\t\t<"
                         "Cantidad>2</Cantidad>"),
              std::string::npos);
    EXPECT_NE(tipos.find("<Tipo>Dirección</Tipo>\r\n\t\t\t\t<CodigoTipo>3</CodigoTipo>"),
              std::string::npos);
}

TEST_F(Documento, ElGradoCuentaSoloConNivelPuntoYGrado) {
    prueba::agregarPresta(ctx, {{"titulo", "Punto"}, {"dni", "1"}, {"grado", "1.3"}});
    prueba::agregarPresta(ctx, {{"titulo", "Pegado"}, {"dni", "2"}, {"grado", "13"}});
    const std::string d = documento();
    const std::string n13 = bloque(d, "RankingN13");
    EXPECT_NE(n13.find("<Nombre>Punto</Nombre>"), std::string::npos);
    EXPECT_EQ(apariciones(d, "<Nombre>Pegado</Nombre>"), 1); // only in the overall ranking
    EXPECT_NE(bloque(bloque(d, "Libros"), "Ranking").find("<Nombre>Pegado</Nombre>"),
              std::string::npos);
    EXPECT_EQ(apariciones(bloque(d, "Usuarios"), "<DNI>1</DNI>"), 2); // overall and RankingN13
    EXPECT_EQ(apariciones(bloque(d, "Usuarios"), "<DNI>2</DNI>"), 1);
}

TEST_F(Documento, ElPeriodoFiltraAmbosExtremosIncluidos) {
    prueba::agregarPresta(ctx, {{"titulo", "Antes"}, {"fecha_presta", "20231231"}});
    prueba::agregarPresta(ctx, {{"titulo", "Primero"}, {"fecha_presta", "20240101"}});
    prueba::agregarPresta(ctx, {{"titulo", "Ultimo"}, {"fecha_presta", "20240131"}});
    prueba::agregarPresta(ctx, {{"titulo", "Despues"}, {"fecha_presta", "20240201"}});
    const std::string d = documento({2024y / 1 / 1, 2024y / 1 / 31});
    EXPECT_NE(d.find("<Periodo>20240101-20240131</Periodo>"), std::string::npos);
    EXPECT_NE(d.find("<Prestados>2</Prestados>"), std::string::npos);
    EXPECT_EQ(d.find("Antes"), std::string::npos);
    EXPECT_EQ(d.find("Despues"), std::string::npos);
    EXPECT_NE(documento({2024y / 2 / 1, 2024y / 1 / 1}).find("<Prestados>0</Prestados>"),
              std::string::npos);
}

TEST_F(Documento, MorososSonLosNoDevueltosVencidosAntesDeHoy) {
    prueba::agregarFilasPresta(ctx, {"titulo", "dni", "devuelto", "fecha_devolucion"},
                               {{"Vencido nulo", "1", std::nullopt, "20240314"},
                                {"Vencido vacio", "2", "", "20240301"},
                                {"Vence hoy", "3", std::nullopt, "20240315"},
                                {"Devuelto", "4", "20240316", "20240310"}});
    const std::string d = documento();
    const std::string morosos = bloque(d, "LibrosMorosos");
    EXPECT_NE(morosos.find("Vencido nulo"), std::string::npos);
    EXPECT_NE(morosos.find("Vencido vacio"), std::string::npos);
    EXPECT_EQ(morosos.find("Vence hoy"), std::string::npos);
    EXPECT_EQ(morosos.find("Devuelto"), std::string::npos);
    const std::string socios = bloque(bloque(d, "Morosos"), "Ranking");
    EXPECT_EQ(apariciones(socios, "<Socio>"), 2);
}

TEST_F(Documento, NulosDanElementosVaciosYLasMarcasVanComoEntidades) {
    prueba::agregarPresta(ctx, {{"titulo", "Tom & Jerry <1>"}, {"autor", "A > B"}});
    const std::string libro = bloque(bloque(documento(), "Libros"), "Libro");
    EXPECT_EQ(libro, "<Libro>\r\n\t\t\t\t<ISBN></ISBN>\r\n\t\t\t\t<Nombre>Tom &amp; Jerry "
                     "&lt;1&gt;</Nombre>\r\n\t\t\t\t<Autor>A &gt; B</Autor>\r\n\t\t\t\t<Cantidad>"
                     "1</Cantidad>\r\n\t\t\t</Libro>");
}

TEST_F(Documento, UnApostrofeEnTemaOTipoNoDetieneLaExportacion) {
    prueba::agregarPresta(ctx, {{"titulo", "Libro"},
                                {"dni", "7"},
                                {"tematica", "Arte d'hoy"},
                                {"tipo_usu", "O'Neill"},
                                {"fecha_devolucion", "20240101"}});
    const std::string d = documento();
    EXPECT_NE(ctx.TextoSql.find("WHERE tipo_usu = 'O''Neill' AND"), std::string::npos); // D8
    const std::string tema = bloque(bloque(bloque(d, "Libros"), "Temas"), "Ranking");
    EXPECT_NE(tema.find("<Nombre>Libro</Nombre>"), std::string::npos);
    const std::string tipo = bloque(bloque(d, "Morosos"), "Tipos");
    EXPECT_NE(tipo.find("<Tipo>O'Neill</Tipo>"), std::string::npos);
    EXPECT_NE(tipo.find("<DNI>7</DNI>"), std::string::npos);
}

TEST_F(Documento, ElCUESaleDeConfiguracion) {
    fijarCUE("123456789");
    EXPECT_NE(documento().find("\r\n\t<CUE>123456789</CUE>\r\n"), std::string::npos);
}

// Another program loads again and again while the export runs: every
// statement, on both connections, reads one state of presta, so the file is
// always the export of one of the loads.
TEST_F(Documento, UnaExportacionMientrasOtroProgramaCargaLeeUnSoloEstado) {
    const auto cargar = [&](store::BaseDatos& base, const std::string& marca) {
        base.ejecutar("DELETE FROM presta");
        for (int i = 0; i < 6; ++i) {
            const std::string n = marca + std::to_string(i);
            base.ejecutar("INSERT INTO presta (titulo, isbn, dni, nombre, tipo_usu, grado, "
                          "tematica, fecha_presta, fecha_devolucion) VALUES ('Libro " +
                          n + "', '" + n + "', '" + n + "', 'Socio " + n + "', 'Alumno', '1." +
                          std::to_string(i % 3 + 1) + "', 'Tema " + marca +
                          "', '20240101', "
                          "'20240110')");
        }
    };
    std::string documentos[2];
    const std::string marcas[2] = {"A", "B"};
    for (int k = 0; k < 2; ++k) {
        cargar(*ctx.Conexion, marcas[k]);
        documentos[k] = documento();
    }
    ASSERT_NE(documentos[0], documentos[1]);
    std::atomic<bool> seguir{true};
    std::thread otroPrograma([&] {
        store::BaseDatos base(ctx.rutaBase(), reloj);
        base.ejecutar("PRAGMA synchronous = OFF");
        for (int vuelta = 0; seguir; ++vuelta) {
            try {
                store::Transaccion t(base);
                cargar(base, marcas[vuelta % 2]);
                t.confirmar();
            } catch (const core::Error&) {
                // Held by the export longer than a wait: the next round tries again.
            }
        }
    });
    int mezcladas = 0;
    for (int i = 0; i < 30; ++i) {
        const std::string d = documento();
        mezcladas += d != documentos[0] && d != documentos[1];
    }
    seguir = false;
    otroPrograma.join();
    EXPECT_EQ(mezcladas, 0);
}

} // namespace
