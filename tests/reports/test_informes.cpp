// The librarian's reports on a store holding each edge of their definitions
// (tests/reports/informes_prueba.h lists the rows).
#include "reports/informes.h"
#include "reports/listas_clasificacion.h"
#include "store/contexto.h"
#include "tests/reports/informes_prueba.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using reports::informes::Informe;
using Filas = std::vector<std::vector<std::string>>;

// The data rows of a grid, columns 1 on: what the command line prints.
Filas filas(const reports::Grilla& g) {
    Filas r;
    for (int f = 1; f + 1 < g.filas(); ++f) {
        std::vector<std::string> fila;
        for (int c = 1; c < g.columnas(); ++c) {
            fila.emplace_back(g.texto(f, c));
        }
        r.push_back(std::move(fila));
    }
    return r;
}

int posicion(const std::vector<std::string>& lista, const std::string& texto) {
    return static_cast<int>(std::find(lista.begin(), lista.end(), texto) - lista.begin());
}

reports::EstadoFiltros marzo2024() {
    reports::EstadoFiltros f;
    f.desde = prueba::dia(2024, 3, 1);
    f.hasta = prueba::dia(2024, 3, 31);
    return f;
}

class Informes : public ::testing::Test {
protected:
    Filas informe(Informe i, const reports::EstadoFiltros& f = {}, const std::string& orden = {}) {
        const std::string porOmision = reports::informes::Definicion(i).orden;
        return filas(
            reports::informes::GrillaInforme(p.ctx, i, f, orden.empty() ? porOmision : orden));
    }
    prueba::InformesPrueba p;
};

TEST_F(Informes, ParticipacionPorGradoConSuTotal) {
    // A loan to "ab12" is Ana's (AB12); the loan to 300 counts for both
    // members with that document; loans on the period's first and last day
    // count; NULL and '' are one empty grade, first in Spanish order.
    EXPECT_EQ(informe(Informe::Participacion, marzo2024()),
              (Filas{{"", "2", "1", "50.0", "1"},
                     {"21", "3", "2", "66.7", "3"},
                     {"22", "1", "0", "0.0", "0"},
                     {"52", "1", "1", "100.0", "1"},
                     {"TOTAL", "7", "4", "57.1", "5"}}));
    // The total stays last whatever column orders the rest.
    const Filas porPorcentaje = informe(Informe::Participacion, marzo2024(), "porcentaje");
    ASSERT_EQ(porPorcentaje.size(), 5u);
    EXPECT_EQ(porPorcentaje.front()[0], "22");
    EXPECT_EQ(porPorcentaje[3][0], "52");
    EXPECT_EQ(porPorcentaje.back()[0], "TOTAL");
}

TEST_F(Informes, ParticipacionConFiltrosDelSocioYDelPrestamo) {
    reports::EstadoFiltros docentes = marzo2024();
    docentes.tipoUsuario = posicion(reports::listas::TiposUsuario(), "Docente");
    EXPECT_EQ(informe(Informe::Participacion, docentes),
              (Filas{{"52", "1", "1", "100.0", "1"}, {"TOTAL", "1", "1", "100.0", "1"}}));
    // The subject narrows the loans: only Cosmos (CIENCIA) in March.
    reports::EstadoFiltros ciencia = marzo2024();
    ciencia.tematica = posicion(reports::listas::Tematicas(), "CIENCIA");
    EXPECT_EQ(informe(Informe::Participacion, ciencia).back(),
              (std::vector<std::string>{"TOTAL", "7", "3", "42.9", "3"}));
    // No member in the filter: the total alone, its share 0.
    reports::EstadoFiltros nadie;
    nadie.tipoUsuario = posicion(reports::listas::TiposUsuario(), "Escuela");
    EXPECT_EQ(informe(Informe::Participacion, nadie), (Filas{{"TOTAL", "0", "0", "0.0", "0"}}));
}

TEST_F(Informes, SociosSinPrestamosEnElPeriodo) {
    EXPECT_EQ(informe(Informe::SinPrestamos, marzo2024()),
              (Filas{{"600", "600", "Ruiz", "Mia", "Alumno", ""},
                     {"700", "700", "Díaz", "Leo", "Alumno", "21"},
                     {"400", "400", "Ñandú", "Eva", "Alumno", "22"}}));
    // With no period every loan counts: Leo's loan of February is one.
    EXPECT_EQ(informe(Informe::SinPrestamos),
              (Filas{{"600", "600", "Ruiz", "Mia", "Alumno", ""},
                     {"400", "400", "Ñandú", "Eva", "Alumno", "22"}}));
    // The grade filter takes the member's grade: "  22 Segundo año - EGB3".
    reports::EstadoFiltros segundo;
    segundo.grado = posicion(reports::listas::Grados(), "  22 Segundo año - EGB3");
    EXPECT_EQ(informe(Informe::SinPrestamos, segundo),
              (Filas{{"400", "400", "Ñandú", "Eva", "Alumno", "22"}}));
    EXPECT_EQ(informe(Informe::SinPrestamos, marzo2024(), "nombre").front()[3], "Eva");
}

TEST_F(Informes, EjemplaresSinUso) {
    // Without a from-date only the copy never lent; " f5 " is F5's loan.
    EXPECT_EQ(informe(Informe::SinUso), (Filas{{"D3", "Atlas", "Anónimo", "GEOGRAFIA", ""}}));
    reports::EstadoFiltros despues;
    despues.desde = prueba::dia(2024, 3, 11);
    const Filas sinUsoDesdeEl11 = informe(Informe::SinUso, despues);
    EXPECT_NE(std::find(sinUsoDesdeEl11.begin(), sinUsoDesdeEl11.end(),
                        std::vector<std::string>{"F5", "Martín Fierro", "Hernández", "LITERATURA",
                                                 "20240310"}),
              sinUsoDesdeEl11.end());
    // From 1 March 2024: Rayuela was lent only before, on 20240215.
    reports::EstadoFiltros desdeMarzo;
    desdeMarzo.desde = prueba::dia(2024, 3, 1);
    EXPECT_EQ(informe(Informe::SinUso, desdeMarzo),
              (Filas{{"D3", "Atlas", "Anónimo", "GEOGRAFIA", ""},
                     {"C2", "Rayuela", "Cortázar", "LITERATURA", "20240215"}}));
    // Lent on the from-date itself is in use.
    desdeMarzo.desde = prueba::dia(2024, 2, 15);
    EXPECT_EQ(informe(Informe::SinUso, desdeMarzo).size(), 1u);
    // The subject is the copy's.
    reports::EstadoFiltros literatura;
    literatura.desde = prueba::dia(2024, 3, 1);
    literatura.tematica = posicion(reports::listas::Tematicas(), "LITERATURA");
    EXPECT_EQ(informe(Informe::SinUso, literatura),
              (Filas{{"C2", "Rayuela", "Cortázar", "LITERATURA", "20240215"}}));
    // Copies of one subject come in title order.
    literatura.desde = prueba::dia(2025, 1, 1);
    std::vector<std::string> titulos;
    for (const auto& fila : informe(Informe::SinUso, literatura)) {
        titulos.push_back(fila[1]);
    }
    EXPECT_EQ(titulos, (std::vector<std::string>{"Ficciones", "Martín Fierro", "Rayuela"}));
}

TEST_F(Informes, AtrasosHastaHoy) {
    // Due today is not late; due yesterday is one day; an empty devuelto is out.
    EXPECT_EQ(informe(Informe::Atrasos), (Filas{{"", "Sosa", "Iván", "500", "Cosmos", "E4",
                                                 p.enDias(-20), p.enDias(-10), "10"},
                                                {"21", "Gómez", "Ana", "100", "Ficciones", "AB1",
                                                 p.enDias(-20), p.enDias(-1), "1"}}));
    // Member type and grade are the member's: AB12 is in "  21 Primer año - EGB3".
    reports::EstadoFiltros primero;
    primero.grado = posicion(reports::listas::Grados(), "  21 Primer año - EGB3");
    EXPECT_EQ(informe(Informe::Atrasos, primero).size(), 1u);
    reports::EstadoFiltros docentes;
    docentes.tipoUsuario = posicion(reports::listas::TiposUsuario(), "Docente");
    EXPECT_TRUE(informe(Informe::Atrasos, docentes).empty());
    // A period does not apply to the follow-up.
    EXPECT_EQ(informe(Informe::Atrasos, marzo2024()).size(), 2u);
}

TEST_F(Informes, EvolucionMensualFrenteAlAnioAnterior) {
    // January 2024 had no loans (only January 2023): not listed; February
    // 2024 had, February 2023 not: 0 the year before. Ana borrowed twice in
    // March 2024 as "ab12" and "AB12": one reader.
    EXPECT_EQ(informe(Informe::Mensual), (Filas{{"2023-01", "1", "1", "0"},
                                                {"2023-03", "1", "1", "0"},
                                                {"2024-02", "1", "1", "0"},
                                                {"2024-03", "4", "3", "1"},
                                                {"2024-05", "3", "3", "0"}}));
    // The year before counts whatever the period.
    EXPECT_EQ(informe(Informe::Mensual, marzo2024()), (Filas{{"2024-03", "4", "3", "1"}}));
    reports::EstadoFiltros alumnos = marzo2024();
    alumnos.tipoUsuario = posicion(reports::listas::TiposUsuario(), "Alumno");
    // Document 300 has an "Alumno" among its members, so its loan counts.
    EXPECT_EQ(informe(Informe::Mensual, alumnos), (Filas{{"2024-03", "4", "3", "1"}}));
}

TEST_F(Informes, CadaInformeConSusColumnasYFiltros) {
    std::vector<std::string> nombres;
    for (const auto& d : reports::informes::Informes()) {
        nombres.push_back(d.nombre);
        EXPECT_EQ(reports::informes::Definicion(d.informe).nombre, d.nombre);
    }
    EXPECT_EQ(nombres, (std::vector<std::string>{"participacion", "sin-prestamos", "sin-uso",
                                                 "atrasos", "mensual"}));
    const auto& sinUso = reports::informes::Definicion(Informe::SinUso).admite;
    EXPECT_TRUE(sinUso.tematica && sinUso.desde);
    EXPECT_FALSE(sinUso.tipo || sinUso.grado || sinUso.hasta);
    const auto& atrasos = reports::informes::Definicion(Informe::Atrasos).admite;
    EXPECT_TRUE(atrasos.tipo && atrasos.grado);
    EXPECT_FALSE(atrasos.tematica || atrasos.desde || atrasos.hasta);
    // What a report does not take does not reach its statement.
    reports::EstadoFiltros tipo;
    tipo.tipoUsuario = 4;
    EXPECT_EQ(reports::informes::SentenciaInforme(Informe::SinUso, tipo, "titulo"),
              reports::informes::SentenciaInforme(Informe::SinUso, {}, "titulo"));
}

TEST_F(Informes, TextoConLosNombresDeLasColumnas) {
    const auto& d = reports::informes::Definicion(Informe::Mensual);
    EXPECT_EQ(
        reports::informes::TextoInforme(
            reports::informes::GrillaInforme(p.ctx, Informe::Mensual, marzo2024(), d.orden), d),
        "mes\tprestamos\tlectores\tprestamos_anio_anterior\n2024-03\t4\t3\t1\n");
    // An empty report is its header alone.
    reports::EstadoFiltros nada;
    nada.desde = prueba::dia(2030, 1, 1);
    EXPECT_EQ(reports::informes::TextoInforme(
                  reports::informes::GrillaInforme(p.ctx, Informe::Mensual, nada, d.orden), d),
              "mes\tprestamos\tlectores\tprestamos_anio_anterior\n");
}

} // namespace
