#include "tests/export/exportacion_prueba.h"

#include "core/error.h"
#include "export/lectura_exportacion.h"
#include "export/ui/exportar_xml.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class Archivo : public prueba::ExportacionPrueba {
protected:
    std::string carpetaExportaciones() const { return carpeta.archivo("exportaciones"); }
    std::string rutaDelDia() const { return carpetaExportaciones() + "/exp - 20240315.xml"; }
    std::string leerDelDia() const { return carpeta.leer("exportaciones/exp - 20240315.xml"); }
    std::vector<std::string> archivosExportados() const {
        std::vector<std::string> nombres;
        for (const auto& e : fs::directory_iterator(carpetaExportaciones())) {
            nombres.push_back(e.path().filename().string());
        }
        return nombres;
    }
};

TEST_F(Archivo, LaPrimeraExportacionCreaLaCarpetaYAvisa) {
    prueba::agregarPresta(ctx, {{"titulo", "Canción"}});
    exportacion::ui::ExportarXML(ctx, dialogos, "", {});
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_EQ(dialogos.mensajes[0].texto,
              "Se creo el archivo exp - 20240315.xml\r\nen el directorio exportaciones ");
    EXPECT_EQ(dialogos.mensajes[0].titulo, "Archivo exportado exitosamente");
    EXPECT_EQ(dialogos.mensajes[0].botones, core::ui::Dialogos::Botones::Aceptar);
    const std::string bytes = leerDelDia();
    EXPECT_EQ(bytes, documento() + "\r\n");
    // "ó" goes to the file as the bytes 195 179.
    const auto o = bytes.find("Canci");
    ASSERT_NE(o, std::string::npos);
    EXPECT_EQ(static_cast<unsigned char>(bytes[o + 5]), 195);
    EXPECT_EQ(static_cast<unsigned char>(bytes[o + 6]), 179);
    EXPECT_EQ(bytes.substr(o + 7, 9), "n</Nombre");
}

TEST_F(Archivo, ExportarDosVecesElMismoDiaReemplazaElArchivo) {
    prueba::agregarPresta(ctx, {{"titulo", "Primero"}});
    const std::string ruta = exportacion::EscribirExportacion(ctx, "", {});
    EXPECT_EQ(ruta, rutaDelDia());
    const std::string primero = leerDelDia();
    prueba::agregarPresta(ctx, {{"titulo", "Segundo"}});
    EXPECT_EQ(exportacion::EscribirExportacion(ctx, "", {}), ruta);
    EXPECT_EQ(archivosExportados(), std::vector<std::string>{"exp - 20240315.xml"});
    EXPECT_NE(leerDelDia(), primero);
    EXPECT_NE(leerDelDia().find("<Nombre>Segundo</Nombre>"), std::string::npos);
    // The same bytes whether the folder had to be created or not.
    fs::remove_all(carpetaExportaciones());
    const std::string conCarpetaNueva =
        (exportacion::EscribirExportacion(ctx, "", {}), leerDelDia());
    EXPECT_EQ(conCarpetaNueva, (exportacion::EscribirExportacion(ctx, "", {}), leerDelDia()));
}

TEST_F(Archivo, UnaSentenciaRechazadaNoDejaArchivoNiCarpeta) {
    ctx.Conexion->ejecutar("ALTER TABLE presta DROP COLUMN autor");
    exportacion::ui::ExportarXML(ctx, dialogos, "", {});
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_EQ(dialogos.mensajes[0].titulo, "Error " + std::to_string(core::Error::ErrorBaseDatos));
    EXPECT_EQ(dialogos.mensajes[0].icono, core::ui::Dialogos::Icono::Informacion);
    EXPECT_NE(dialogos.mensajes[0].texto.find("autor"), std::string::npos);
    EXPECT_FALSE(fs::exists(carpetaExportaciones()));
}

TEST_F(Archivo, UnaEscrituraFallidaDejaElArchivoAnteriorEntero) {
    prueba::agregarPresta(ctx, {{"titulo", "Anterior"}});
    exportacion::EscribirExportacion(ctx, "", {});
    const std::string anterior = leerDelDia();
    ctx.Conexion->ejecutar("DROP TABLE presta");
    exportacion::ui::ExportarXML(ctx, dialogos, "", {});
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_EQ(dialogos.mensajes[0].titulo, "Error " + std::to_string(core::Error::ErrorBaseDatos));
    EXPECT_EQ(leerDelDia(), anterior);
    EXPECT_EQ(archivosExportados().size(), 1u);
}

TEST_F(Archivo, UnDestinoQueNoSePuedeReemplazarNoDejaArchivosAMedias) {
    fs::create_directories(rutaDelDia() + "/ocupado");
    exportacion::ui::ExportarXML(ctx, dialogos, "", {});
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_EQ(dialogos.mensajes[0].titulo, "Error " + std::to_string(core::Error::ErrorArchivo));
    EXPECT_EQ(dialogos.mensajes[0].icono, core::ui::Dialogos::Icono::Informacion);
    EXPECT_EQ(archivosExportados(), std::vector<std::string>{"exp - 20240315.xml"});
    EXPECT_TRUE(fs::is_directory(rutaDelDia()));
}

TEST_F(Archivo, UnaCarpetaExportacionesQueEsArchivoEsUnError) {
    carpeta.escribir("exportaciones", "");
    exportacion::ui::ExportarXML(ctx, dialogos, "", {});
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_EQ(dialogos.mensajes[0].titulo,
              "Error " + std::to_string(core::Error::RutaNoEncontrada));
}

} // namespace
