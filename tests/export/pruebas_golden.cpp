#include "tests/export/exportacion_prueba.h"

#include "core/error.h"
#include "export/lectura_exportacion.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

class Golden : public prueba::ExportacionPrueba {
protected:
    // Three members of three types, three titles, three overdue loans; every
    // count in every list differs, so the order of each list is fixed.
    void llenar() {
        const auto prestamo = [this](const char* socio, const char* titulo, const char* fecha,
                                     const char* devuelto, const char* vence) {
            const std::string s = socio;
            const std::string t = titulo;
            const char* dni = s == "Ana" ? "100" : s == "Luis" ? "200" : "300";
            const char* apellido = s == "Ana" ? "Pérez" : s == "Luis" ? "Gómez" : "Núñez";
            const char* tipo = s == "Ana" ? "Alumno" : s == "Luis" ? "Docente" : "Dirección";
            const char* grado = s == "Ana" ? "1.3" : s == "Luis" ? nullptr : "2.1";
            const char* isbn = t == "Cuentos de la selva" ? "950-07-0001"
                               : t == "Atlas escolar"     ? "987-1-0002"
                                                          : nullptr;
            const char* tema = t == "Atlas escolar" ? "Geografía" : "Literatura";
            const char* autor = t == "Cuentos de la selva" ? "Quiroga, Horacio"
                                : t == "Atlas escolar"     ? "Instituto Geográfico"
                                                           : "Saint-Exupéry, Antoine de";
            const auto valor = [](const char* v) { return v ? prueba::Valor(v) : std::nullopt; };
            prueba::agregarFilasPresta(ctx,
                                       {"dni", "nombre", "apellido", "grado", "tipo_usu", "titulo",
                                        "isbn", "tematica", "autor", "devuelto", "fecha_presta",
                                        "fecha_devolucion"},
                                       {{dni, socio, apellido, valor(grado), tipo, titulo,
                                         valor(isbn), tema, autor, valor(devuelto), fecha, vence}});
        };
        prestamo("Ana", "Cuentos de la selva", "20240301", "20240305", "20240308");
        prestamo("Ana", "Cuentos de la selva", "20240310", "20240312", "20240314");
        prestamo("Ana", "Cuentos de la selva", "20240312", "20240313", "20240319");
        prestamo("Ana", "Atlas escolar", "20240220", nullptr, "20240227");
        prestamo("Luis", "Cuentos de la selva", "20240311", "", "20240314");
        prestamo("Luis", "Cuentos de la selva", "20240313", nullptr, "20240314");
        prestamo("Luis", "El principito", "20240305", "20240306", "20240312");
        prestamo("Marta", "Atlas escolar", "20240201", "20240209", "20240210");
        prestamo("Marta", "Atlas escolar", "20240315", nullptr, "20240322");
        fijarCUE("123456789");
    }

    static std::string leerGolden() {
        std::ifstream entrada(std::string(ESTAD_SOURCE_DIR) +
                                  "/tests/export/golden/biblioteca_chica.xml",
                              std::ios::binary);
        std::stringstream s;
        s << entrada.rdbuf();
        return s.str();
    }
};

TEST_F(Golden, LaBibliotecaChicaSeExportaByteAByte) {
    llenar();
    exportacion::EscribirExportacion(ctx, "", {});
    const std::string escrito = carpeta.leer("exportaciones/exp - 20240315.xml");
    const std::string esperado = leerGolden();
    if (escrito != esperado) {
        std::ofstream("biblioteca_chica.xml.obtenido", std::ios::binary) << escrito;
    }
    ASSERT_FALSE(esperado.empty());
    EXPECT_EQ(escrito, esperado) << "written to biblioteca_chica.xml.obtenido";
}

TEST_F(Golden, LeerCargaUnaExportacionYRecorreSusTextos) {
    carpeta.escribir("exp.xml", leerGolden());
    const std::vector<exportacion::NodoTexto> textos = exportacion::LeerExportacion(carpeta.ruta());
    ASSERT_GE(textos.size(), 2u);
    EXPECT_EQ(textos[0].elemento, "CUE");
    EXPECT_EQ(textos[0].valor, "123456789");
    EXPECT_EQ(textos[1].elemento, "Periodo");
    EXPECT_EQ(textos[1].valor, "19000101-20240315");
    const auto apellido =
        std::find_if(textos.begin(), textos.end(),
                     [](const exportacion::NodoTexto& n) { return n.elemento == "Apellido"; });
    ASSERT_NE(apellido, textos.end());
    EXPECT_EQ(apellido->valor, "Pérez");
}

TEST_F(Golden, LeerSinArchivoOConArchivoRotoAvisaConLaLinea) {
    const auto errorAlLeer = [&]() -> std::optional<core::Error> {
        try {
            exportacion::LeerExportacion(carpeta.ruta());
        } catch (const core::Error& e) {
            return e;
        }
        return std::nullopt;
    };
    const std::optional<core::Error> sinArchivo = errorAlLeer();
    ASSERT_TRUE(sinArchivo.has_value());
    EXPECT_EQ(sinArchivo->numero(), core::Error::ErrorXml);
    EXPECT_EQ(sinArchivo->descripcion(), "Ha ocurrido un error.\r");
    carpeta.escribir("exp.xml",
                     "<?xml version='1.0' ?>\r\n<Escuela>\r\n\t<CUE>1</Cue>\r\n</Escuela>");
    const std::optional<core::Error> roto = errorAlLeer();
    ASSERT_TRUE(roto.has_value());
    EXPECT_EQ(roto->descripcion(), "Ha ocurrido un error.\r\t<CUE>1</Cue>");
}

} // namespace
