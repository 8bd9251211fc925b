#include "export/exportacion.h"
#include "export/sentencias_exportacion.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

const std::string Libros =
    "SELECT titulo, isbn, tematica, autor, COUNT(titulo) AS cant FROM presta ";
const std::string Mora = "(devuelto = '' OR devuelto IS NULL) AND "
                         "fecha_devolucion<format(date(),'yyyymmdd') ";
const std::string Ambas = " fecha_presta >= '20240101'  AND  fecha_presta <= '20240131' ";

TEST(FiltroExportacion, SinCasillasEsVacio) {
    EXPECT_EQ(exportacion::FiltroExportacion({}), "");
}

TEST(FiltroExportacion, AmbasFechasSeUnenConDosBlancosACadaLado) {
    EXPECT_EQ(exportacion::FiltroExportacion({2024y / 1 / 1, 2024y / 1 / 31}), Ambas);
}

TEST(FiltroExportacion, SoloHastaEmpiezaSinAnd) {
    EXPECT_EQ(exportacion::FiltroExportacion({std::nullopt, 2024y / 1 / 31}),
              " fecha_presta <= '20240131' ");
    EXPECT_EQ(exportacion::FiltroExportacion({2024y / 1 / 1, std::nullopt}),
              " fecha_presta >= '20240101' ");
}

TEST(TextoPeriodo, LasCasillasSinMarcarDan19000101YHoy) {
    const core::Fecha hoy = 2024y / 3 / 15;
    EXPECT_EQ(exportacion::TextoPeriodo({}, hoy), "19000101-20240315");
    EXPECT_EQ(exportacion::TextoPeriodo({2023y / 12 / 1, 2024y / 2 / 29}, hoy),
              "20231201-20240229");
    EXPECT_EQ(exportacion::TextoPeriodo({std::nullopt, 2024y / 2 / 29}, hoy), "19000101-20240229");
}

TEST(NombreArchivoExportacion, UnArchivoPorDia) {
    EXPECT_EQ(exportacion::NombreArchivoExportacion(2024y / 3 / 5), "exp - 20240305.xml");
}

TEST(SentenciasExportacion, SinFiltroNingunaLlevaPiezaDeFiltro) {
    const exportacion::SentenciasExportacion s("");
    EXPECT_EQ(s.L1(),
              Libros + "GROUP BY titulo, isbn, tematica, autor ORDER BY COUNT(titulo) DESC");
    EXPECT_EQ(s.M1(), Libros + "WHERE " + Mora +
                          "GROUP BY titulo, isbn, tematica, autor ORDER BY COUNT(titulo) DESC");
    EXPECT_EQ(s.L3(), "SELECT COUNT(titulo) AS cant FROM presta ");
    EXPECT_EQ(s.L6(1, 3), "SELECT tematica, COUNT(tematica) AS cant FROM presta WHERE grado LIKE "
                          "'1.3%'  GROUP BY tematica ORDER BY COUNT(tematica) DESC ");
    EXPECT_EQ(s.D1(), "SELECT dni, nombre, apellido, COUNT(dni) AS cant FROM presta WHERE " + Mora +
                          " GROUP BY dni, nombre, apellido ORDER BY COUNT(dni) DESC");
}

TEST(SentenciasExportacion, ElFiltroEntraTrasWhereAndOBlancoAnd) {
    const exportacion::SentenciasExportacion s(Ambas);
    EXPECT_EQ(s.L1(), Libros + "WHERE " + Ambas +
                          "GROUP BY titulo, isbn, tematica, autor ORDER BY COUNT(titulo) DESC");
    EXPECT_EQ(s.M1(), Libros + "WHERE " + Mora + " AND " + Ambas +
                          "GROUP BY titulo, isbn, tematica, autor ORDER BY COUNT(titulo) DESC");
    EXPECT_EQ(s.M2(0, 2), Libros + "WHERE " + Mora + "AND grado LIKE '0.2%' AND " + Ambas +
                              "GROUP BY titulo, isbn, tematica, autor ORDER BY COUNT(titulo) DESC");
    EXPECT_EQ(s.M5("Arte"), Libros + "WHERE tematica = 'Arte' AND " + Mora + "AND " + Ambas +
                                " GROUP BY titulo, isbn, tematica, autor ORDER BY COUNT(titulo) "
                                "DESC");
    EXPECT_EQ(s.U9("Alumno"), "SELECT tematica, COUNT(tematica) AS cant FROM presta WHERE "
                              "tipo_usu = 'Alumno' AND " +
                                  Ambas + " GROUP BY tematica ORDER BY COUNT(tematica) DESC ");
    EXPECT_EQ(s.D7(), "SELECT tipo_usu, COUNT(tipo_usu) AS cant FROM presta WHERE " + Mora +
                          "AND " + Ambas + " GROUP BY tipo_usu ORDER BY COUNT(tipo_usu) DESC");
}

TEST(SentenciasExportacion, UnApostrofeDelValorSeDuplica) {
    const exportacion::SentenciasExportacion s("");
    EXPECT_EQ(s.L5("D'Artagnan"), Libros + "WHERE tematica = 'D''Artagnan' GROUP BY titulo, isbn, "
                                           "tematica, autor ORDER BY COUNT(titulo) DESC");
    EXPECT_NE(s.D8("O'Higgins").find("WHERE tipo_usu = 'O''Higgins' AND "), std::string::npos);
}

TEST(CodificarUTF8, DejaElUtf8ComoEstaYConvierteBytesSueltos) {
    EXPECT_EQ(exportacion::CodificarUTF8("Canción"), "Canci\xC3\xB3n");
    EXPECT_EQ(exportacion::CodificarUTF8("\xF3"), "\xC3\xB3");
    EXPECT_EQ(exportacion::CodificarUTF8("\xE2\x82\xAC y \xF0\x9F\x93\x9A"),
              "\xE2\x82\xAC y \xF0\x9F\x93\x9A");
}

} // namespace
