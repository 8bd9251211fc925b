#include "core/reloj.h"
#include "export/exportacion.h"
#include "store/almacen.h"
#include "store/contexto.h"
#include "tests/apoyo/carpeta_temporal.h"
#include "tests/apoyo/dialogos_guionados.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace {

// Runs the headless command and returns what it printed and its exit code.
std::pair<std::string, int> ejecutar(const std::string& argumentos) {
    const std::string orden = std::string("'") + ESTAD_CLI + "' " + argumentos + " 2>&1";
    FILE* tubo = popen(orden.c_str(), "r");
    std::string salida;
    char bloque[256];
    while (std::fgets(bloque, sizeof bloque, tubo) != nullptr) {
        salida += bloque;
    }
    const int estado = pclose(tubo);
    return {salida, WEXITSTATUS(estado)};
}

TEST(ExportarCli, EscribeLoMismoQueElDialogoEImprimeLaRuta) {
    prueba::CarpetaTemporal carpeta;
    core::Reloj reloj;
    prueba::DialogosGuionados dialogos;
    store::Contexto ctx{carpeta.ruta(), reloj};
    ASSERT_NO_THROW(store::AbrirBaseDatos(ctx));
    ctx.Conexion->ejecutar(
        "INSERT INTO presta (dni, grado, tipo_usu, titulo, tematica, fecha_presta, "
        "fecha_devolucion) VALUES ('1', '1.3', 'Alumno', 'Canción', 'Música', '20240105', "
        "'20240110'), ('2', '2.1', 'Docente', 'Atlas', 'Geografía', '20240301', '20240305')");
    carpeta.escribir("configuracion.ini", "[Inicio]\nCUE=123456789\n");

    const auto [salida, codigo] =
        ejecutar("--carpeta '" + carpeta.ruta() + "' exportar --desde 20240101 --hasta 20240131");
    ASSERT_EQ(codigo, 0) << salida;
    const std::string ruta =
        carpeta.ruta() + "/exportaciones/" + exportacion::NombreArchivoExportacion(reloj.hoy());
    EXPECT_EQ(salida, ruta + "\n");
    const std::string delComando =
        carpeta.leer("exportaciones/" + exportacion::NombreArchivoExportacion(reloj.hoy()));

    const exportacion::PeriodoExportacion periodo{core::fechaDesdeAAAAMMDD("20240101"),
                                                  core::fechaDesdeAAAAMMDD("20240131")};
    exportacion::EscribirExportacion(ctx, exportacion::FiltroExportacion(periodo), periodo);
    EXPECT_EQ(carpeta.leer("exportaciones/" + exportacion::NombreArchivoExportacion(reloj.hoy())),
              delComando);
    EXPECT_NE(delComando.find("<Prestados>1</Prestados>"), std::string::npos);
}

TEST(ExportarCli, UnaFechaMalEscritaEsUnError) {
    prueba::CarpetaTemporal carpeta;
    const auto [salida, codigo] =
        ejecutar("--carpeta '" + carpeta.ruta() + "' exportar --hasta 2024-01-31");
    EXPECT_EQ(codigo, 1);
    EXPECT_NE(salida.find("Error 5: "), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(carpeta.archivo("exportaciones")));
}

} // namespace
