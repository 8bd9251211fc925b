#include "reports/ranking_filas.h"

#include "core/error.h"
#include "store/almacen.h"
#include "store/base_datos.h"
#include "store/memoria_consultas.h"
#include "tests/apoyo/contador_consultas.h"
#include "tests/reports/presta_ranking.h"

#include <gtest/gtest.h>

using namespace reports::ranking;

namespace {

Marcas marcasTras(int agrupacion, std::initializer_list<int> marcadas) {
    Casillas c;
    AjustarCasillas(agrupacion, c);
    for (int i : marcadas) {
        c[static_cast<std::size_t>(i)].marcada = true;
    }
    FijarCasillaPropia(agrupacion, c);
    return MarcasDe(c);
}

std::vector<std::string> lineas(const Ranking& r, const Presentacion& p) {
    std::vector<std::string> l;
    for (const FilaRanking& f : r.filas) {
        l.push_back(LineaRanking(f, r.campos, p));
    }
    return l;
}

const Presentacion Cantidades{false, 12, ","};
const Presentacion Porcentajes{true, 12, ","};

} // namespace

TEST(ValorMostrado, PorcentajeConDosDecimalesSinCerosFinales) {
    const Presentacion p{true, 8, ","};
    EXPECT_EQ(ValorMostrado(1, p), "12,5"); // 12.50
    EXPECT_EQ(ValorMostrado(2, p), "25");   // 25.00
    EXPECT_EQ(ValorMostrado(8, p), "100");
    EXPECT_EQ(ValorMostrado(0, p), "0");
    EXPECT_EQ(ValorMostrado(1, {true, 3, ","}), "33,33");
    EXPECT_EQ(ValorMostrado(2, {true, 3, "."}), "66.67");
    EXPECT_EQ(ValorMostrado(1, {true, 200, ","}), "0,5");
    EXPECT_EQ(ValorMostrado(1, {true, 400, ","}), "0,25");
    // Half a hundredth rounds up: 1/1600 = 0.0625 %.
    EXPECT_EQ(ValorMostrado(1, {true, 1600, ","}), "0,06");
    EXPECT_EQ(ValorMostrado(1, {true, 800, ","}), "0,13");
    EXPECT_DOUBLE_EQ(ValorGrafico(1, {true, 3, ","}), 33.33);
    EXPECT_EQ(ValorMostrado(7, {false, 0, ","}), "7");
}

TEST(ValorMostrado, PorcentajeSinPrestamosCargadosEsUnError) {
    try {
        ValorMostrado(3, {true, 0, ","});
        FAIL();
    } catch (const core::Error& e) {
        EXPECT_EQ(e.numero(), 11);
    }
}

TEST(BarrasPedidas, ValoresQueLaVentanaNoPuedeDibujar) {
    EXPECT_EQ(BarrasPedidas("7"), 7);
    EXPECT_EQ(BarrasPedidas(""), 5);
    EXPECT_EQ(BarrasPedidas("  "), 5);
    EXPECT_EQ(BarrasPedidas("0"), 1);
    EXPECT_EQ(BarrasPedidas("000"), 1);
    EXPECT_EQ(BarrasPedidas("255"), 255);
    EXPECT_EQ(BarrasPedidas("256"), 255);
    EXPECT_EQ(BarrasPedidas("99999999999999999999999"), 255);
    EXPECT_EQ(BarrasPedidas("1x"), 5);
}

TEST(BarrasPedidas, SoloDigitosRetrocesoYEnter) {
    for (char32_t c : {U'0', U'5', U'9', U'\b'}) {
        EXPECT_EQ(TeclaEnBarras(c), Tecla::Aceptar);
    }
    EXPECT_EQ(TeclaEnBarras(U'\r'), Tecla::Listar);
    for (char32_t c : {U'a', U'-', U' ', U'.', U'٣', U'\x16'}) {
        EXPECT_EQ(TeclaEnBarras(c), Tecla::Descartar);
    }
}

TEST(EjecutarRanking, UsuariosConNombreYApellido) {
    prueba::PrestaRanking base;
    const Ranking r = EjecutarRanking(base.ctx, PorUsuario, marcasTras(PorUsuario, {1}), {}, 3);
    EXPECT_EQ(base.ctx.TextoSql, SentenciaRanking(PorUsuario, marcasTras(PorUsuario, {1}), {}));
    // Document number, first name, surname.
    EXPECT_EQ(lineas(r, Cantidades),
              (std::vector<std::string>{"100 - Ana - Paz -  (4) ", "200 - Luis - Gil -  (3) ",
                                        "300 - Eva - Sosa -  (2) "}));
    EXPECT_EQ(TextoLista(r, Porcentajes),
              "100 - Ana - Paz -  (33,33) \r\n200 - Luis - Gil -  (25) \r\n"
              "300 - Eva - Sosa -  (16,67) \r\n");
}

TEST(EjecutarRanking, MenosFilasQueBarras) {
    prueba::PrestaRanking base;
    const Ranking r = EjecutarRanking(base.ctx, PorTema, marcasTras(PorTema, {}), {}, 5);
    EXPECT_EQ(
        lineas(r, Cantidades),
        (std::vector<std::string>{"LITERATURA - NOVELAS -  (6) ", "LITERATURA - POESÍA -  (3) ",
                                  "ASTRONOMIA -  (2) ", "ARTE -  (1) "}));
}

TEST(EjecutarRanking, MasFilasQueBarrasDejaLasMayores) {
    prueba::PrestaRanking base;
    const Ranking r = EjecutarRanking(base.ctx, PorLibro, marcasTras(PorLibro, {}), {}, 2);
    EXPECT_EQ(lineas(r, Porcentajes),
              (std::vector<std::string>{"El Principito -  (41,67) ", "Martín Fierro -  (25) "}));
}

TEST(EjecutarRanking, PorcentajesSobreTodosLosPrestamosAunConFiltros) {
    prueba::PrestaRanking base;
    reports::EstadoFiltros f;
    f.tipoUsuario = 1; // Alumno
    f.grado = 6;       // PRIMARIA
    f.desde = core::Fecha{std::chrono::year{2024}, std::chrono::month{3}, std::chrono::day{1}};
    const Ranking r = EjecutarRanking(base.ctx, PorUsuario, marcasTras(PorUsuario, {}), f, 5);
    // 3 and 2 of the 12 loans loaded: the shares add up to 41.67, not 100.
    EXPECT_EQ(lineas(r, Porcentajes),
              (std::vector<std::string>{"100 -  (25) ", "200 -  (16,67) "}));
}

TEST(EjecutarRanking, NivelesYGradosConLasColumnasElegidas) {
    prueba::PrestaRanking base;
    const Ranking niveles = EjecutarRanking(base.ctx, PorNivel, marcasTras(PorNivel, {}), {}, 255);
    ASSERT_EQ(niveles.filas.size(), 4u); // one per first character of grado
    EXPECT_EQ(lineas(niveles, Cantidades)[0], "1 -  (7) ");
    EXPECT_EQ(lineas(niveles, Cantidades)[3], "0 -  (1) ");

    const Ranking grados = EjecutarRanking(base.ctx, PorGrado, marcasTras(PorGrado, {3}), {}, 1);
    EXPECT_EQ(lineas(grados, Cantidades), (std::vector<std::string>{"11 - Alumno -  (4) "}));

    const Ranking libros = EjecutarRanking(base.ctx, PorLibro, marcasTras(PorLibro, {5, 6}), {}, 1);
    EXPECT_EQ(
        lineas(libros, Cantidades),
        (std::vector<std::string>{"El Principito - LITERATURA - NOVELAS - Saint-Exupéry -  (5) "}));
}

TEST(EjecutarRanking, EmpatesEnElOrdenDeLaBase) {
    prueba::PrestaRanking base;
    const Marcas m = marcasTras(PorLibro, {});
    const Ranking r = EjecutarRanking(base.ctx, PorLibro, m, {}, 4);
    // The store's own order for the whole result, read directly.
    std::vector<std::string> deLaBase;
    for (auto filas = store::EjecutarConsulta(base.ctx, SentenciaRanking(PorLibro, m, {}), 0, 1);
         !filas->fin(); filas->siguiente()) {
        deLaBase.push_back(filas->texto("titulo"));
    }
    ASSERT_EQ(r.filas.size(), deLaBase.size());
    for (std::size_t i = 0; i < deLaBase.size(); ++i) {
        EXPECT_EQ(r.filas[i].valores[5], deLaBase[i]);
    }
    // Cosmos and Rayuela tie at two loans in the last two places.
    EXPECT_EQ(r.filas[2].cant, 2);
    EXPECT_EQ(r.filas[3].cant, 2);
}

TEST(EjecutarRanking, SinFilasYConSentenciaRechazada) {
    prueba::PrestaRanking base;
    reports::EstadoFiltros f;
    f.desde = core::Fecha{std::chrono::year{2025}, std::chrono::month{1}, std::chrono::day{1}};
    f.hasta = core::Fecha{std::chrono::year{2024}, std::chrono::month{1}, std::chrono::day{1}};
    EXPECT_TRUE(
        EjecutarRanking(base.ctx, PorUsuario, marcasTras(PorUsuario, {}), f, 5).filas.empty());

    base.ctx.Conexion->ejecutar("DROP TABLE presta");
    EXPECT_THROW(EjecutarRanking(base.ctx, PorUsuario, marcasTras(PorUsuario, {}), {}, 5),
                 core::Error);
}

// A refresh with another bar count, or after a new load, shows what the store
// holds then, however the rows of the first refresh were kept.
TEST(EjecutarRanking, OtrasBarrasYUnaCargaNuevaMuestranElAlmacenDeEseMomento) {
    prueba::PrestaRanking base;
    const Marcas libro = marcasTras(PorLibro, {});
    EXPECT_EQ(lineas(EjecutarRanking(base.ctx, PorLibro, libro, {}, 1), Cantidades),
              (std::vector<std::string>{"El Principito -  (5) "}));
    const std::vector<std::string> tres =
        lineas(EjecutarRanking(base.ctx, PorLibro, libro, {}, 3), Cantidades);
    ASSERT_EQ(tres.size(), 3u);
    EXPECT_EQ(tres[1], "Martín Fierro -  (3) ");
    // Answered from memory after another statement, it is still the last one run.
    EjecutarRanking(base.ctx, PorUsuario, marcasTras(PorUsuario, {}), {}, 1);
    EjecutarRanking(base.ctx, PorLibro, libro, {}, 2);
    EXPECT_EQ(base.ctx.TextoSql, SentenciaRanking(PorLibro, libro, {}));
    {
        // The load run writes through a connection of its own.
        store::BaseDatos carga(base.ctx.rutaBase(), base.reloj);
        carga.ejecutar("INSERT INTO presta (dni, titulo) VALUES ('700', 'Rayuela'), "
                       "('701', 'Rayuela'), ('702', 'Rayuela'), ('703', 'Rayuela')");
    }
    EXPECT_EQ(lineas(EjecutarRanking(base.ctx, PorLibro, libro, {}, 2), Cantidades),
              (std::vector<std::string>{"Rayuela -  (6) ", "El Principito -  (5) "}));
    // And through the program's own connection.
    base.ctx.Conexion->ejecutar("DELETE FROM presta WHERE titulo = 'Rayuela'");
    EXPECT_EQ(lineas(EjecutarRanking(base.ctx, PorLibro, libro, {}, 1), Cantidades),
              (std::vector<std::string>{"El Principito -  (5) "}));
    EXPECT_EQ(EjecutarRanking(base.ctx, PorLibro, libro, {}, 255).filas.size(), 3u);
}

// The rankings read ahead after a load are those a first refresh asks for,
// and give what reading them then would.
TEST(EjecutarRanking, LosLeidosDeAntemanoSonLosDeUnPrimerRefresco) {
    prueba::PrestaRanking anticipada;
    AnticiparRankings(anticipada.ctx);
    anticipada.ctx.Conexion->memoria().esperarAnticipo();
    prueba::PrestaRanking directa;
    prueba::ContadorConsultas contador(*anticipada.ctx.Conexion);
    for (int agrupacion = 0; agrupacion < CantidadAgrupaciones; ++agrupacion) {
        Casillas todas;
        AjustarCasillas(agrupacion, todas);
        std::vector<int> ofrecidas;
        for (int i = 0; i < CantidadCasillas; ++i) {
            if (todas[static_cast<std::size_t>(i)].habilitada) {
                ofrecidas.push_back(i);
            }
        }
        Marcas conTodas = marcasTras(agrupacion, {});
        for (int i : ofrecidas) {
            conTodas[static_cast<std::size_t>(i)] = true;
        }
        EXPECT_EQ(MarcasPropias(agrupacion), marcasTras(agrupacion, {}));
        EXPECT_EQ(MarcasTodas(agrupacion), conTodas);
        for (const Marcas& m : {marcasTras(agrupacion, {}), conTodas}) {
            EXPECT_EQ(lineas(EjecutarRanking(anticipada.ctx, agrupacion, m, {}, 255), Porcentajes),
                      lineas(EjecutarRanking(directa.ctx, agrupacion, m, {}, 255), Porcentajes));
        }
    }
    EXPECT_EQ(contador.corridas(), 0);
}
