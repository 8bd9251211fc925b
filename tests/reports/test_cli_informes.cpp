// "estadisticas-cli informe ...": the reports' grids with their column names,
// the summary as key and value, and the options a report does not take refused.
#include "core/reloj.h"
#include "tests/apoyo/programa_cli.h"
#include "tests/reports/informes_prueba.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// The store of the reports with today the system's, as the command line has it.
class CliInformes : public ::testing::Test {
protected:
    prueba::SalidaCli informe(const std::string& argumentos) {
        return prueba::ejecutarCli(p.carpeta.ruta(), "informe " + argumentos);
    }
    prueba::InformesPrueba p{core::Reloj().hoy()};
};

std::string primeraLinea(const std::string& texto) {
    return texto.substr(0, texto.find('\n'));
}

TEST_F(CliInformes, CadaInformeEmpiezaConLosNombresDeSusColumnas) {
    const std::pair<const char*, const char*> encabezados[] = {
        {"participacion", "grado\tsocios\tlectores\tporcentaje\tprestamos"},
        {"sin-prestamos", "dni\tlegajo\tapellido\tnombre\ttipo_usu\tgrado"},
        {"sin-uso", "inventario\ttitulo\tautor\ttematica\tultimo_prestamo"},
        {"atrasos", "grado\tapellido\tnombre\tlegajo\ttitulo\tinventario\tfecha_prestamo\t"
                    "fecha_devolucion\tdias_atraso"},
        {"mensual", "mes\tprestamos\tlectores\tprestamos_anio_anterior"}};
    for (const auto& [nombre, encabezado] : encabezados) {
        const prueba::SalidaCli s = informe(nombre);
        EXPECT_EQ(s.codigo, 0) << nombre << ": " << s.texto;
        EXPECT_EQ(primeraLinea(s.texto), encabezado) << nombre;
        // No trailing empty row.
        EXPECT_EQ(s.texto.find("\n\n"), std::string::npos) << nombre;
    }
}

TEST_F(CliInformes, FilasConNumerosEnterosYUnDecimal) {
    EXPECT_EQ(informe("participacion --desde 20240301 --hasta 20240331").texto,
              "grado\tsocios\tlectores\tporcentaje\tprestamos\n"
              "\t2\t1\t50.0\t1\n"
              "21\t3\t2\t66.7\t3\n"
              "22\t1\t0\t0.0\t0\n"
              "52\t1\t1\t100.0\t1\n"
              "TOTAL\t7\t4\t57.1\t5\n");
    EXPECT_EQ(
        informe("sin-prestamos --desde 20240301 --hasta 20240331 --tipo Alumno --grado 16").texto,
        "dni\tlegajo\tapellido\tnombre\ttipo_usu\tgrado\n400\t400\tÑandú\tEva\tAlumno\t22\n");
    EXPECT_EQ(informe("sin-uso --desde 20240301 --tematica LITERATURA").texto,
              "inventario\ttitulo\tautor\ttematica\tultimo_prestamo\n"
              "C2\tRayuela\tCortázar\tLITERATURA\t20240215\n");
    EXPECT_EQ(informe("atrasos").texto,
              "grado\tapellido\tnombre\tlegajo\ttitulo\tinventario\tfecha_prestamo\t"
              "fecha_devolucion\tdias_atraso\n"
              "\tSosa\tIván\t500\tCosmos\tE4\t" +
                  p.enDias(-20) + "\t" + p.enDias(-10) +
                  "\t10\n"
                  "21\tGómez\tAna\t100\tFicciones\tAB1\t" +
                  p.enDias(-20) + "\t" + p.enDias(-1) + "\t1\n");
    EXPECT_EQ(informe("mensual --desde 20240301 --hasta 20240331").texto,
              "mes\tprestamos\tlectores\tprestamos_anio_anterior\n2024-03\t4\t3\t1\n");
}

TEST_F(CliInformes, ResumenEnLineasClaveValor) {
    const prueba::SalidaCli s = informe("resumen --desde 20240301 --hasta 20240331");
    ASSERT_EQ(s.codigo, 0) << s.texto;
    std::istringstream lineas(s.texto);
    std::vector<std::string> claves;
    for (std::string linea; std::getline(lineas, linea);) {
        ASSERT_EQ(std::count(linea.begin(), linea.end(), '\t'), 1) << linea;
        claves.push_back(linea.substr(0, linea.find('\t')));
    }
    EXPECT_EQ(std::vector<std::string>(claves.begin(), claves.begin() + 8),
              (std::vector<std::string>{"desde", "hasta", "prestamos_periodo", "prestados_ahora",
                                        "atrasados_ahora", "socios_lectores", "socios",
                                        "porcentaje_lectores"}));
    EXPECT_NE(s.texto.find("desde\t20240301\nhasta\t20240331\nprestamos_periodo\t4\n"
                           "prestados_ahora\t3\natrasados_ahora\t2\n"),
              std::string::npos)
        << s.texto;
    EXPECT_NE(s.texto.find("libro_1\tCosmos\nlibro_1_prestamos\t2\n"), std::string::npos);
}

TEST_F(CliInformes, LoQueUnInformeNoAdmiteSeRechaza) {
    const std::pair<const char*, const char*> rechazos[] = {
        {"atrasos --desde 20240101", "Error 5: El informe atrasos no admite --desde"},
        {"atrasos --tematica ARTE", "Error 5: El informe atrasos no admite --tematica"},
        {"sin-uso --tipo Alumno", "Error 5: El informe sin-uso no admite --tipo"},
        {"sin-uso --hasta 20240101", "Error 5: El informe sin-uso no admite --hasta"},
        {"sin-uso --grado 3", "Error 5: El informe sin-uso no admite --grado"},
        {"prestamos", "Error 5: No hay un informe \"prestamos\"; los informes son participacion, "
                      "sin-prestamos, sin-uso, atrasos, mensual, resumen"},
        {"", "Error 5: Falta el informe: participacion, sin-prestamos, sin-uso, atrasos, "
             "mensual, resumen"},
        {"mensual otra", "Error 5: Sobra \"otra\" tras el informe mensual"},
        {"mensual --orden mes", "Error 5: Opción desconocida: --orden"},
        {"participacion --desde 2024-03-01", "Error 5: "},
        {"participacion --tipo alumno", "Error 5: No es un elemento de la lista"}};
    for (const auto& [argumentos, mensaje] : rechazos) {
        const prueba::SalidaCli s = informe(argumentos);
        EXPECT_EQ(s.codigo, 1) << argumentos;
        EXPECT_EQ(s.texto.rfind(mensaje, 0), 0u) << argumentos << ": " << s.texto;
    }
}

} // namespace
