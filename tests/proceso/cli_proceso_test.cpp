// The headless program on odd folders, files and values: it never hangs,
// never answers a missing setting with an empty result, never lets a value
// shift a column, and a full disk or a read-only folder leaves every file as
// it was, with a Spanish message that names the file.
#include "core/archivo_ini.h"
#include "core/reloj.h"
#include "export/exportacion.h"
#include "store/almacen.h"
#include "store/base_datos.h"
#include "tests/proceso/apoyo_proceso.h"
#include "tests/proceso/montajes.h"
#include "tests/proceso/proceso_cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

std::vector<std::string> lineas(const std::string& texto) {
    std::vector<std::string> r;
    std::istringstream s(texto);
    for (std::string l; std::getline(s, l);) {
        r.push_back(l);
    }
    return r;
}

bool tieneControles(const std::string& texto) {
    return std::any_of(texto.begin(), texto.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b < 0x20 && c != '\t' && c != '\n') || b == 0x7F;
    });
}

TEST(ArchivosRaros, UnaConfiguracionQueEsUnFifoNoCuelgaElPrograma) {
    prueba::CarpetaTemporal carpeta;
    ASSERT_EQ(mkfifo(carpeta.archivo("configuracion.ini").c_str(), 0600), 0);
    const prueba::SalidaCli s = prueba::ejecutarCli({"--carpeta", carpeta.ruta(), "cargar"},
                                                    {.limiteArchivo = std::nullopt, .plazo = 5s});
    EXPECT_FALSE(s.vencido);
    // Unreadable settings are no settings: the paths are missing.
    EXPECT_EQ(s.codigo, 2) << s.errores;
}

TEST(ArchivosRaros, UnaCarpetaVaciaSeRechazaSinCrearNadaEnLaRaiz) {
    const bool habia = fs::exists("/base.mdb");
    for (const char* comando : {"cargar", "exportar"}) {
        const prueba::SalidaCli s = prueba::ejecutarCli({"--carpeta", "", comando});
        EXPECT_EQ(s.codigo, 1) << comando;
        EXPECT_NE(s.errores.find("carpeta"), std::string::npos) << s.errores;
    }
    EXPECT_EQ(fs::exists("/base.mdb"), habia);
}

TEST(ArchivosRaros, UnaCarpetaSinConfiguracionSeInformaSinCrearBaseNiExportacion) {
    prueba::CarpetaTemporal carpeta;
    for (const std::vector<std::string>& comando : {std::vector<std::string>{"exportar"},
                                                    {"lista", "--modo", "1"},
                                                    {"ranking", "--agrupar", "libro"},
                                                    {"buscar-libros"}}) {
        std::vector<std::string> args{"--carpeta", carpeta.ruta()};
        args.insert(args.end(), comando.begin(), comando.end());
        const prueba::SalidaCli s = prueba::ejecutarCli(args);
        EXPECT_EQ(s.codigo, 1) << comando[0];
        EXPECT_EQ(s.salida, "") << comando[0];
        EXPECT_NE(s.errores.find(carpeta.archivo("configuracion.ini")), std::string::npos)
            << s.errores;
    }
    EXPECT_TRUE(fs::is_empty(carpeta.ruta()));
}

TEST(ArchivosRaros, LosValoresConTabuladoresYControlesNoCorrenLasColumnas) {
    prueba::EntornoCarga e;
    e.fijarRutas("", "", "");
    e.sembrarPresta(0);
    {
        store::BaseDatos base(e.ctx.rutaBase(), e.reloj);
        store::Sentencia insercion(
            base, "INSERT INTO presta (dni, apellido, titulo, autor) VALUES (?, ?, ?, ?)");
        insercion.enlazar(1, "1\t2");
        insercion.enlazar(2, "Pérez\nGómez\r");
        insercion.enlazar(3, "Rojo \x1b[31mpeligro\x1b[0m\x7f");
        insercion.enlazar(4, "Barra \\ tab\\t");
        insercion.paso();
    }
    const prueba::SalidaCli s =
        prueba::ejecutarCli({"--carpeta", e.carpeta.ruta(), "buscar-libros"});
    ASSERT_EQ(s.codigo, 0) << s.errores;
    const auto filas = lineas(s.salida);
    ASSERT_EQ(filas.size(), 2u) << s.salida;
    EXPECT_EQ(std::count(filas[1].begin(), filas[1].end(), '\t'),
              std::count(filas[0].begin(), filas[0].end(), '\t'));
    EXPECT_FALSE(tieneControles(s.salida)) << s.salida;
    // Escaped so that nothing is lost: the backslash itself is doubled.
    EXPECT_NE(s.salida.find("Pérez\\nGómez\\r"), std::string::npos) << s.salida;
    EXPECT_NE(s.salida.find("Barra \\\\ tab\\\\t"), std::string::npos) << s.salida;

    const prueba::SalidaCli ranking = prueba::ejecutarCli(
        {"--carpeta", e.carpeta.ruta(), "ranking", "--agrupar", "usuario", "--cantidad"});
    ASSERT_EQ(ranking.codigo, 0) << ranking.errores;
    EXPECT_EQ(lineas(ranking.salida).size(), 1u) << ranking.salida;
    EXPECT_FALSE(tieneControles(ranking.salida)) << ranking.salida;

    // A key holding a tab and an escape, as another program's inverted file
    // may: the key written here gets them in place of two of its letters.
    prueba::BasesPrueba bases;
    bases.prestamos = {{{20, "AXBYC"}}};
    bases.escribir(e.carpeta.ruta());
    std::string hojas = e.carpeta.leer("PRESTA.L01");
    const auto clave = hojas.find("AXBYC");
    ASSERT_NE(clave, std::string::npos);
    hojas.replace(clave, 5,
                  "A\tB\x1b"
                  "C");
    e.carpeta.escribir("PRESTA.L01", hojas);
    const prueba::SalidaCli terminos =
        prueba::ejecutarCli({"isis", "terminos", e.ruta("PRESTA.MST")});
    ASSERT_EQ(terminos.codigo, 0) << terminos.errores;
    EXPECT_EQ(terminos.salida, "A\\tB\\x1bC\t1\n");
}

// An application folder with settings, a store and an export written earlier today.
struct CarpetaConExportacion {
    explicit CarpetaConExportacion(prueba::EntornoCarga& entorno) : e(entorno) {
        core::Archivo_Ini ini(e.carpeta.ruta());
        ini.CUE = "123456789";
        ini.Grabar("INICIO");
        e.sembrarPresta(300);
        fs::create_directory(e.ruta("exportaciones"));
        e.carpeta.escribir("exportaciones/" + nombre, "exportación anterior");
    }
    prueba::SalidaCli exportar(const prueba::OpcionesCli& opciones = {}) const {
        return prueba::ejecutarCli({"--carpeta", e.carpeta.ruta(), "exportar"}, opciones);
    }
    // The export failed with a Spanish message naming its file, and left the
    // earlier one whole and nothing else.
    void comprobarQueNoEscribio(const prueba::SalidaCli& s) const {
        EXPECT_EQ(s.codigo, 1) << s.errores;
        EXPECT_FALSE(prueba::hablaIngles(s.errores)) << s.errores;
        EXPECT_NE(s.errores.find(e.ruta("exportaciones")), std::string::npos) << s.errores;
        EXPECT_EQ(e.carpeta.leer("exportaciones/" + nombre), "exportación anterior");
        EXPECT_EQ(std::distance(fs::directory_iterator(e.ruta("exportaciones")),
                                fs::directory_iterator()),
                  1);
    }
    prueba::EntornoCarga& e;
    const std::string nombre = exportacion::NombreArchivoExportacion(core::Reloj().hoy());
};

TEST(DiscoLleno, UnaExportacionQueLlenaElDiscoDejaLaAnteriorYLoDiceEnCastellano) {
    prueba::EntornoCarga e;
    const prueba::Montaje disco = prueba::Montaje::discoChico(e.carpeta.ruta(), 1024 * 1024);
    const CarpetaConExportacion c(e);
    prueba::OpcionesCli opciones;
    if (disco.activo()) {
        // Whatever room is left is taken by another file.
        std::ofstream relleno(e.ruta("relleno"), std::ios::binary);
        const std::string bloque(4096, 'r');
        while (relleno.write(bloque.data(), static_cast<std::streamsize>(bloque.size()))) {
        }
    } else {
        opciones.limiteArchivo = 2048;
    }
    c.comprobarQueNoEscribio(c.exportar(opciones));
}

TEST(CarpetaSoloLectura, CargarYExportarFallanConSuMensajeSinTocarNada) {
    prueba::EntornoCarga e;
    prueba::CarpetaTemporal isis;
    prueba::basesGrandes(50).escribir(isis.ruta());
    e.fijarRutas(isis.archivo("PRESTA.MST"), isis.archivo("USUARIOS.MST"),
                 isis.archivo("MARC.MST"));
    const CarpetaConExportacion c(e);
    const auto antes = e.presta();
    // Permissions stop any user but root; root needs a read-only mount.
    std::optional<prueba::Montaje> montaje;
    if (geteuid() == 0) {
        montaje.emplace(prueba::Montaje::soloLectura(e.carpeta.ruta()));
        if (!montaje->activo()) {
            GTEST_SKIP() << "Como root hace falta un montaje de sólo lectura, que este sistema "
                            "no permite";
        }
    } else {
        fs::permissions(e.carpeta.ruta(), fs::perms::owner_write | fs::perms::group_write,
                        fs::perm_options::remove);
        fs::permissions(e.ruta("exportaciones"), fs::perms::owner_write, fs::perm_options::remove);
    }
    const prueba::SalidaCli carga = prueba::ejecutarCli({"--carpeta", e.carpeta.ruta(), "cargar"});
    EXPECT_EQ(carga.codigo, 1) << carga.errores;
    EXPECT_FALSE(prueba::hablaIngles(carga.errores)) << carga.errores;
    EXPECT_NE(carga.errores.find(e.ctx.rutaBase()), std::string::npos) << carga.errores;
    c.comprobarQueNoEscribio(c.exportar());
    montaje.reset();
    fs::permissions(e.carpeta.ruta(), fs::perms::owner_all, fs::perm_options::add);
    fs::permissions(e.ruta("exportaciones"), fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(e.presta(), antes);
}

} // namespace
