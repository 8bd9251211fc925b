#include "tests/apoyo/carpeta_temporal.h"
#include "tests/proceso/montajes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The headless program installed where it may not write: a copy of it in a
// read-only folder, run with `variables` in its environment.
struct Instalado {
    prueba::CarpetaTemporal raiz;
    std::string bin = raiz.archivo("bin");
    std::optional<prueba::Montaje> montaje;

    // False when this system cannot make the folder read-only for this user.
    bool preparar() {
        fs::create_directories(bin);
        fs::copy_file(ESTAD_CLI, bin + "/estadisticas-cli");
        if (geteuid() == 0) {
            montaje.emplace(prueba::Montaje::soloLectura(bin));
            return montaje->activo();
        }
        fs::permissions(bin, fs::perms::owner_write | fs::perms::group_write,
                        fs::perm_options::remove);
        return true;
    }
    std::pair<int, std::string> ejecutar(const std::string& variables,
                                         const std::string& argumentos) {
        const std::string orden = "env -u XDG_CONFIG_HOME -u XDG_DATA_HOME " + variables +
                                  " LC_ALL=C '" + bin + "/estadisticas-cli' " + argumentos +
                                  " 2>&1";
        FILE* tubo = popen(orden.c_str(), "r");
        std::string texto;
        char bloque[1024];
        for (std::size_t n; (n = std::fread(bloque, 1, sizeof bloque, tubo)) > 0;) {
            texto.append(bloque, n);
        }
        const int estado = pclose(tubo);
        return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, texto};
    }
    ~Instalado() {
        montaje.reset();
        fs::permissions(bin, fs::perms::owner_all, fs::perm_options::add);
    }
};

// Settings from the user's configuration folder, the store and the export
// into the user's data folder, nothing beside the program.
TEST(CarpetasProceso, InstaladoGuardaEnLasCarpetasDelUsuario) {
    Instalado p;
    if (!p.preparar()) {
        GTEST_SKIP() << "Este sistema no deja hacer de sólo lectura la carpeta del programa";
    }
    const std::string conf = p.raiz.archivo("conf");
    const std::string datos = p.raiz.archivo("datos");
    fs::create_directories(conf + "/estadisticas");
    p.raiz.escribir("conf/estadisticas/configuracion.ini", "[Inicio]\nCUE=060001500\n");

    const auto [codigo, salida] =
        p.ejecutar("HOME=" + p.raiz.ruta() + " XDG_CONFIG_HOME=" + conf + " XDG_DATA_HOME=" + datos,
                   "exportar");
    ASSERT_EQ(codigo, 0) << salida;
    EXPECT_EQ(salida.rfind(datos + "/estadisticas/exportaciones/", 0), 0u) << salida;
    EXPECT_TRUE(fs::exists(datos + "/estadisticas/base.mdb"));
    std::ifstream exportado(salida.substr(0, salida.size() - 1));
    const std::string xml{std::istreambuf_iterator<char>(exportado), {}};
    EXPECT_NE(xml.find("060001500"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(p.bin), fs::directory_iterator()), 1);
}

// Without the XDG variables the usual folders under HOME, created on use;
// --carpeta still names one folder for everything.
TEST(CarpetasProceso, SinVariablesUsaLasDeSiempreYCarpetaManda) {
    Instalado p;
    if (!p.preparar()) {
        GTEST_SKIP() << "Este sistema no deja hacer de sólo lectura la carpeta del programa";
    }
    const auto [codigo, salida] = p.ejecutar("HOME=" + p.raiz.ruta(), "exportar");
    EXPECT_EQ(codigo, 1);
    // The settings are looked for where an installed program keeps them.
    EXPECT_NE(salida.find(p.raiz.ruta() + "/.config/estadisticas/configuracion.ini"),
              std::string::npos)
        << salida;
    EXPECT_TRUE(fs::is_directory(p.raiz.archivo(".local/share/estadisticas")));

    const std::string propia = p.raiz.archivo("propia");
    fs::create_directories(propia);
    p.raiz.escribir("propia/configuracion.ini", "[Inicio]\nCUE=123456789\n");
    const auto [codigo2, salida2] =
        p.ejecutar("HOME=" + p.raiz.ruta(), "--carpeta '" + propia + "' exportar");
    ASSERT_EQ(codigo2, 0) << salida2;
    EXPECT_EQ(salida2.rfind(propia + "/exportaciones/", 0), 0u) << salida2;
}

} // namespace
