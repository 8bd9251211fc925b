// The summary: each figure as the report or list behind it gives it.
#include "reports/graficos_informes.h"
#include "reports/informes.h"
#include "reports/listas_clasificacion.h"
#include "reports/resumen.h"
#include "store/almacen.h"
#include "store/contexto.h"
#include "tests/apoyo/filas_presta.h"
#include "tests/reports/informes_prueba.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

using reports::informes::Destino;
using Pares = std::vector<std::pair<std::string, std::string>>;

Pares pares(const std::vector<reports::informes::Cifra>& cifras) {
    Pares r;
    for (const auto& c : cifras) {
        r.emplace_back(c.clave, c.valor);
    }
    return r;
}

TEST(Resumen, ElCicloLectivoEmpiezaEl1DeMarzo) {
    using reports::informes::InicioCicloLectivo;
    EXPECT_EQ(InicioCicloLectivo(prueba::dia(2024, 6, 15)), prueba::dia(2024, 3, 1));
    EXPECT_EQ(InicioCicloLectivo(prueba::dia(2024, 3, 1)), prueba::dia(2024, 3, 1));
    EXPECT_EQ(InicioCicloLectivo(prueba::dia(2024, 2, 29)), prueba::dia(2023, 3, 1));
    EXPECT_EQ(InicioCicloLectivo(prueba::dia(2025, 1, 2)), prueba::dia(2024, 3, 1));
}

TEST(Resumen, CifrasDelCicloLectivoHastaHoy) {
    prueba::InformesPrueba p; // today is 20240615
    EXPECT_EQ(pares(reports::informes::Resumen(p.ctx, {})), (Pares{{"desde", "20240301"},
                                                                   {"hasta", "20240615"},
                                                                   {"prestamos_periodo", "7"},
                                                                   {"prestados_ahora", "3"},
                                                                   {"atrasados_ahora", "2"},
                                                                   {"socios_lectores", "4"},
                                                                   {"socios", "7"},
                                                                   {"porcentaje_lectores", "57.1"},
                                                                   {"grado_1", "52"},
                                                                   {"grado_1_porcentaje", "100.0"},
                                                                   {"grado_2", "21"},
                                                                   {"grado_2_porcentaje", "66.7"},
                                                                   {"grado_3", "22"},
                                                                   {"grado_3_porcentaje", "0.0"},
                                                                   {"libro_1", "Cosmos"},
                                                                   {"libro_1_prestamos", "4"},
                                                                   {"libro_2", "Ficciones"},
                                                                   {"libro_2_prestamos", "2"},
                                                                   {"libro_3", "Martín Fierro"},
                                                                   {"libro_3_prestamos", "1"}}));
}

// Half the figures are read over a second connection; rows this one has
// written and not yet committed are seen by this one alone, so the summary
// then reads them all here, and either way gives the same figures.
TEST(Resumen, VeLoQueLaConexionEscribioSinConfirmar) {
    prueba::InformesPrueba p;
    const Pares antes = pares(reports::informes::Resumen(p.ctx, {}));
    store::ConexionAbierta(p.ctx).ejecutar("BEGIN");
    prueba::agregarPresta(p.ctx, {{"dni", "99"}, {"fecha_presta", "20240601"}, {"titulo", "Zama"}});
    const Pares dentro = pares(reports::informes::Resumen(p.ctx, {}));
    store::ConexionAbierta(p.ctx).ejecutar("ROLLBACK");
    ASSERT_GT(dentro.size(), 2u);
    EXPECT_EQ(dentro.at(2), (std::pair<std::string, std::string>{"prestamos_periodo", "8"}));
    EXPECT_EQ(antes.at(2).second, "7");
    EXPECT_EQ(pares(reports::informes::Resumen(p.ctx, {})), antes);
}

TEST(Resumen, CadaCifraEsLaDelInformeQueAbre) {
    prueba::InformesPrueba p;
    reports::EstadoFiltros filtros;
    filtros.desde = prueba::dia(2024, 3, 10);
    const auto cifras = reports::informes::Resumen(p.ctx, filtros);
    const auto valor = [&](const std::string& clave) {
        for (const auto& c : cifras) {
            if (c.clave == clave) {
                return std::make_pair(c.valor, c.destino);
            }
        }
        return std::make_pair(std::string("falta"), Destino::Mensual);
    };
    // The period's loans are the monthly report's, with the period it opens with.
    const reports::EstadoFiltros periodo =
        reports::informes::FiltrosDestino(Destino::Mensual, filtros, p.reloj.hoy());
    EXPECT_EQ(periodo.desde, prueba::dia(2024, 3, 10));
    EXPECT_EQ(periodo.hasta, prueba::dia(2024, 6, 15));
    const auto sumaMensual = [&p](const reports::EstadoFiltros& f) {
        int suma = 0;
        const reports::Grilla mensual =
            reports::informes::GrillaInforme(p.ctx, reports::informes::Informe::Mensual, f, "mes");
        for (int fila = 1; fila + 1 < mensual.filas(); ++fila) {
            suma += std::stoi(std::string(mensual.texto(fila, 2)));
        }
        return suma;
    };
    const int suma = sumaMensual(periodo);
    EXPECT_EQ(valor("prestamos_periodo"), std::make_pair(std::to_string(suma), Destino::Mensual));
    EXPECT_EQ(suma, 6);
    // So with the member's and the loan's filters too: a member type, a
    // grade, a subject, each narrowing the count.
    const auto posicion = [](const std::vector<std::string>& lista, const char* texto) {
        return static_cast<int>(std::find(lista.begin(), lista.end(), texto) - lista.begin());
    };
    const int docente = posicion(reports::listas::TiposUsuario(), "Docente");
    const int alumno = posicion(reports::listas::TiposUsuario(), "Alumno");
    const int primero = posicion(reports::listas::Grados(), "  21 Primer año - EGB3");
    const int ciencia = posicion(reports::listas::Tematicas(), "CIENCIA");
    for (const auto& [tipo, grado, tematica] :
         {std::tuple{docente, -1, -1}, std::tuple{-1, primero, -1}, std::tuple{-1, -1, ciencia},
          std::tuple{alumno, primero, ciencia}}) {
        reports::EstadoFiltros estrecho = periodo;
        estrecho.tipoUsuario = tipo;
        estrecho.grado = grado;
        estrecho.tematica = tematica;
        const int parte = sumaMensual(estrecho);
        EXPECT_LT(parte, suma);
        EXPECT_GT(parte, 0);
        const auto cifrasEstrechas = reports::informes::Resumen(p.ctx, estrecho);
        EXPECT_EQ(cifrasEstrechas.at(2).clave, "prestamos_periodo");
        EXPECT_EQ(cifrasEstrechas.at(2).valor, std::to_string(parte))
            << tipo << " " << grado << " " << tematica;
    }
    // What is late now opens the follow-up, without the period.
    const reports::EstadoFiltros ahora =
        reports::informes::FiltrosDestino(Destino::Atrasos, filtros, p.reloj.hoy());
    EXPECT_FALSE(ahora.desde || ahora.hasta);
    const reports::Grilla atrasos = reports::informes::GrillaInforme(
        p.ctx, reports::informes::Informe::Atrasos, ahora, "grado");
    EXPECT_EQ(valor("atrasados_ahora"),
              std::make_pair(std::to_string(atrasos.filas() - 2), Destino::Atrasos));
    EXPECT_EQ(valor("prestados_ahora").second, Destino::Prestados);
    EXPECT_EQ(valor("porcentaje_lectores").second, Destino::Participacion);
    EXPECT_EQ(valor("libro_1").second, Destino::RankingLibros);
}

TEST(Resumen, SuGrillaUnaFilaPorCifraDesdeArriba) {
    const std::vector<reports::informes::Cifra> cifras{
        {"socios", "Socios", "7", Destino::Participacion},
        {"hasta", "Hasta", "20240615", Destino::Mensual}};
    const reports::Grilla g = reports::informes::GrillaResumen(cifras);
    ASSERT_EQ(g.filas(), 4);
    EXPECT_EQ(g.texto(0, 1), "Indicador");
    EXPECT_EQ(g.texto(0, 2), "Valor");
    EXPECT_EQ(g.texto(2, 0), "2");
    EXPECT_EQ(g.texto(2, 1), "Hasta");
    EXPECT_EQ(g.texto(1, 2), "7");
    EXPECT_EQ(g.fila(), 1);
}

TEST(GraficosDeInformes, ParticipacionSinElTotalYMensualEnOrdenDeCalendario) {
    prueba::InformesPrueba p;
    reports::EstadoFiltros marzo;
    marzo.desde = prueba::dia(2024, 3, 1);
    marzo.hasta = prueba::dia(2024, 3, 31);
    const auto barras = reports::informes::GraficoParticipacion(reports::informes::GrillaInforme(
        p.ctx, reports::informes::Informe::Participacion, marzo, "grado"));
    EXPECT_EQ(barras.tipo, reports::ranking::TipoGrafico::Barras);
    EXPECT_EQ(barras.etiquetasColumna, (std::vector<std::string>{"(sin grado)", "21", "22", "52"}));
    EXPECT_EQ(barras.valores, (std::vector<std::vector<double>>{{50.0, 66.7, 0.0, 100.0}}));
    EXPECT_EQ(barras.colores.size(), 1u);

    // Ordered by its loans, the grid's months are out of calendar order; the lines are not.
    const auto lineas = reports::informes::GraficoMensual(reports::informes::GrillaInforme(
        p.ctx, reports::informes::Informe::Mensual, {}, "prestamos DESC"));
    EXPECT_EQ(lineas.tipo, reports::ranking::TipoGrafico::Linea);
    EXPECT_EQ(lineas.etiquetasColumna,
              (std::vector<std::string>{"2023-01", "2023-03", "2024-02", "2024-03", "2024-05"}));
    EXPECT_EQ(lineas.valores, (std::vector<std::vector<double>>{{1, 1, 1, 4, 3}, {0, 0, 0, 1, 0}}));
    EXPECT_EQ(lineas.etiquetasFila.size(), 2u);
}

} // namespace
