#include "core/reloj.h"
#include "export/exportacion.h"
#include "tests/apoyo/entorno.h"
#include "tests/apoyo/filas_presta.h"
#include "tests/apoyo/programa_cli.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(ExportarCli, EscribeLoMismoQueElDialogoEImprimeLaRuta) {
    // The program takes today from the system clock: so does this test.
    prueba::Entorno e{core::Reloj().hoy()};
    ASSERT_NO_THROW(e.abrirAlmacen());
    prueba::agregarFilasPresta(
        e.ctx,
        {"dni", "grado", "tipo_usu", "titulo", "tematica", "fecha_presta", "fecha_devolucion"},
        {{"1", "1.3", "Alumno", "Canción", "Música", "20240105", "20240110"},
         {"2", "2.1", "Docente", "Atlas", "Geografía", "20240301", "20240305"}});
    e.carpeta.escribir("configuracion.ini", "[Inicio]\nCUE=123456789\n");

    const auto [codigo, salida] =
        prueba::ejecutarCli(e.carpeta.ruta(), "exportar --desde 20240101 --hasta 20240131");
    ASSERT_EQ(codigo, 0) << salida;
    const std::string ruta =
        e.carpeta.ruta() + "/exportaciones/" + exportacion::NombreArchivoExportacion(e.reloj.hoy());
    EXPECT_EQ(salida, ruta + "\n");
    const std::string delComando =
        e.carpeta.leer("exportaciones/" + exportacion::NombreArchivoExportacion(e.reloj.hoy()));

    const exportacion::PeriodoExportacion periodo{core::fechaDesdeAAAAMMDD("20240101"),
                                                  core::fechaDesdeAAAAMMDD("20240131")};
    exportacion::EscribirExportacion(e.ctx, exportacion::FiltroExportacion(periodo), periodo);
    EXPECT_EQ(
        e.carpeta.leer("exportaciones/" + exportacion::NombreArchivoExportacion(e.reloj.hoy())),
        delComando);
    EXPECT_NE(delComando.find("<Prestados>1</Prestados>"), std::string::npos);
}

TEST(ExportarCli, UnaFechaMalEscritaEsUnError) {
    prueba::CarpetaTemporal carpeta;
    const auto [codigo, salida] =
        prueba::ejecutarCli(carpeta.ruta(), "exportar --hasta 2024-01-31");
    EXPECT_EQ(codigo, 1);
    EXPECT_NE(salida.find("Error 5: "), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(carpeta.archivo("exportaciones")));
}

} // namespace
