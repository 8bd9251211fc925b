#include "store/almacen.h"
#include "tests/apoyo/entorno.h"
#include "tests/apoyo/filas_presta.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(CompactarBase, ConservaCadaFilaYNoDejaCopia) {
    std::string ruta;
    {
        prueba::Entorno a{prueba::dia(2026, 5, 20)};
        a.abrirAlmacen();
        for (int i = 0; i < 50; ++i) {
            prueba::agregarPresta(
                a.ctx, {{"dni", std::to_string(i)}, {"titulo", "Título ñ " + std::to_string(i)}});
        }
        a.ctx.ArchivoIni = std::make_unique<core::Archivo_Ini>(a.ctx.carpeta);
        EXPECT_EQ(store::CompactarBase(a.ctx), std::nullopt);
        EXPECT_EQ(a.ctx.Conexion, nullptr);
        EXPECT_EQ(a.ctx.ArchivoIni, nullptr);
        EXPECT_FALSE(fs::exists(a.ctx.rutaCopia()));
        ASSERT_NO_THROW(store::AbrirBaseDatos(a.ctx));
        EXPECT_EQ(prueba::filasDe(a.ctx, "SELECT COUNT(*), MAX(titulo) FROM presta"),
                  (std::vector<prueba::Fila>{{"50", "Título ñ 9"}}));
    }
}

// A store made with the engine's smaller pages gets the program's own at the
// exit compaction, every row kept; a new store has them from the start.
TEST(CompactarBase, LaCopiaTienePaginasDe16KiB) {
    prueba::Entorno a{prueba::dia(2026, 5, 20)};
    {
        sqlite3* vieja = nullptr;
        ASSERT_EQ(sqlite3_open(a.ctx.rutaBase().c_str(), &vieja), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(vieja, "PRAGMA page_size = 4096; CREATE TABLE previa (x)", nullptr,
                               nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(vieja);
    }
    a.abrirAlmacen();
    prueba::agregarPresta(a.ctx, {{"dni", "5"}, {"titulo", "Título ñ"}});
    ASSERT_EQ(prueba::tamanoPagina(a.ctx.rutaBase()), 4096u);
    EXPECT_EQ(store::CompactarBase(a.ctx), std::nullopt);
    EXPECT_EQ(prueba::tamanoPagina(a.ctx.rutaBase()), 16384u);
    ASSERT_NO_THROW(store::AbrirBaseDatos(a.ctx));
    EXPECT_EQ(prueba::filasDe(a.ctx, "SELECT dni, titulo FROM presta"),
              (std::vector<prueba::Fila>{{"5", "Título ñ"}}));

    prueba::Entorno b{prueba::dia(2026, 5, 20)};
    b.abrirAlmacen();
    EXPECT_EQ(prueba::tamanoPagina(b.ctx.rutaBase()), 16384u);
}

TEST(CompactarBase, SinConexionTerminaSinErrorNiTocarLaBase) {
    prueba::Entorno e{prueba::dia(2026, 5, 20)};
    e.carpeta.escribir("base.mdb", "contenido previo");
    EXPECT_EQ(store::CompactarBase(e.ctx), std::nullopt);
    EXPECT_EQ(e.carpeta.leer("base.mdb"), "contenido previo");
}

TEST(CompactarBase, UnaInterrupcionEntreLosPasosSeTerminaAlAbrir) {
    prueba::Entorno a{prueba::dia(2026, 5, 20)};
    a.abrirAlmacen();
    prueba::agregarPresta(a.ctx, {{"dni", "7"}});
    ASSERT_EQ(store::CompactarBase(a.ctx), std::nullopt);
    // As if the program had stopped after writing the copy and before the rename.
    fs::rename(a.ctx.rutaBase(), a.ctx.rutaCopia());
    ASSERT_NO_THROW(store::AbrirBaseDatos(a.ctx));
    EXPECT_FALSE(fs::exists(a.ctx.rutaCopia()));
    EXPECT_EQ(prueba::filasDe(a.ctx, "SELECT dni FROM presta"), (std::vector<prueba::Fila>{{"7"}}));
}

TEST(CompactarBase, UnaCopiaViejaNoImpideCompactar) {
    prueba::Entorno a{prueba::dia(2026, 5, 20)};
    a.abrirAlmacen();
    prueba::agregarPresta(a.ctx, {{"dni", "8"}});
    a.carpeta.escribir("base.bak", "restos de una salida anterior");
    EXPECT_EQ(store::CompactarBase(a.ctx), std::nullopt);
    ASSERT_NO_THROW(store::AbrirBaseDatos(a.ctx));
    EXPECT_EQ(prueba::filasDe(a.ctx, "SELECT dni FROM presta"), (std::vector<prueba::Fila>{{"8"}}));
}

TEST(CompactarBase, UnaCarpetaEnLugarDeLaBaseDaElErrorYCierra) {
    prueba::Entorno a{prueba::dia(2026, 5, 20)};
    a.abrirAlmacen();
    prueba::agregarPresta(a.ctx, {{"dni", "9"}});
    // A folder where the store should be: there is no store to compact.
    fs::remove(a.ctx.rutaBase());
    fs::create_directory(a.ctx.rutaBase());
    const std::optional<core::Error> error = store::CompactarBase(a.ctx);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->numero(), core::Error::ErrorBaseDatos);
    EXPECT_NE(error->descripcion().find(a.ctx.rutaBase()), std::string::npos);
    EXPECT_FALSE(error->descripcion().empty());
    EXPECT_EQ(a.ctx.Conexion, nullptr);
}

namespace {
// A store of a few dozen pages, closed.
void llenarYCerrar(prueba::Entorno& a) {
    store::Transaccion t(*a.ctx.Conexion);
    for (int i = 0; i < 300; ++i) {
        prueba::agregarPresta(a.ctx,
                              {{"dni", std::to_string(i)}, {"titulo", std::string(200, 't')}});
    }
    t.confirmar();
    a.ctx.Conexion.reset();
}
} // namespace

// The check at exit finds the store damaged: the damaged file is kept aside
// and a sound new store takes its place, for the next load to fill.
TEST(CompactarBase, UnaBaseDanadaSeApartaYQuedaUnaNuevaSana) {
    prueba::Entorno a{prueba::dia(2026, 5, 20)};
    a.abrirAlmacen();
    llenarYCerrar(a);
    const auto largo = fs::file_size(a.ctx.rutaBase());
    // Everything after the first two pages: the schema still reads.
    const std::size_t sanas = 2 * prueba::tamanoPagina(a.ctx.rutaBase());
    ASSERT_GT(largo, 2 * sanas);
    {
        std::fstream base(a.ctx.rutaBase(), std::ios::in | std::ios::out | std::ios::binary);
        base.seekp(static_cast<std::streamoff>(sanas));
        const std::string basura(largo - sanas, '\xA5');
        base.write(basura.data(), static_cast<std::streamsize>(basura.size()));
    }
    ASSERT_NO_THROW(store::AbrirBaseDatos(a.ctx));
    const std::optional<core::Error> error = store::CompactarBase(a.ctx);
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->descripcion().find("dañada"), std::string::npos) << error->descripcion();
    std::vector<std::string> apartadas;
    for (const auto& entrada : fs::directory_iterator(a.carpeta.ruta())) {
        if (entrada.path().filename().string().rfind("base.mdb.dañada-", 0) == 0) {
            apartadas.push_back(entrada.path().filename().string());
        }
    }
    ASSERT_EQ(apartadas.size(), 1u);
    EXPECT_EQ(fs::file_size(a.carpeta.archivo(apartadas[0])), largo);
    EXPECT_NE(error->descripcion().find(apartadas[0]), std::string::npos) << error->descripcion();
    ASSERT_NO_THROW(store::AbrirBaseDatos(a.ctx));
    EXPECT_EQ(prueba::filasDe(a.ctx, "PRAGMA integrity_check"),
              (std::vector<prueba::Fila>{{"ok"}}));
    EXPECT_EQ(prueba::filasDe(a.ctx, "SELECT COUNT(*) FROM presta"),
              (std::vector<prueba::Fila>{{"0"}}));
    EXPECT_EQ(prueba::filasDe(a.ctx, "SELECT COUNT(*) > 0 FROM ciudades"),
              (std::vector<prueba::Fila>{{"1"}}));
}

// The disk fills while the copy is written: the store stays as it was, the
// copy cut short goes, and the message is Spanish and names the store.
TEST(CompactarBase, UnDiscoLlenoAlCompactarDejaLaBaseComoEstaba) {
    prueba::Entorno a{prueba::dia(2026, 5, 20)};
    a.abrirAlmacen();
    llenarYCerrar(a);
    const std::string antes = a.carpeta.leer("base.mdb");
    int tubo[2];
    ASSERT_EQ(pipe(tubo), 0);
    // In a child whose files cannot grow past a few pages, as on a full disk.
    const pid_t hijo = fork();
    if (hijo == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{16384, 16384};
        setrlimit(RLIMIT_FSIZE, &limite);
        store::AbrirBaseDatos(a.ctx);
        const std::optional<core::Error> error = store::CompactarBase(a.ctx);
        const std::string texto = error ? error->descripcion() : "";
        (void)!write(tubo[1], texto.data(), texto.size());
        _exit(0);
    }
    close(tubo[1]);
    std::string mensaje;
    char bloque[512];
    for (ssize_t n; (n = read(tubo[0], bloque, sizeof bloque)) > 0;) {
        mensaje.append(bloque, static_cast<std::size_t>(n));
    }
    close(tubo[0]);
    waitpid(hijo, nullptr, 0);
    EXPECT_NE(mensaje.find(a.ctx.rutaBase()), std::string::npos) << mensaje;
    EXPECT_EQ(mensaje.find("disk"), std::string::npos) << mensaje;
    EXPECT_EQ(a.carpeta.leer("base.mdb"), antes);
    EXPECT_FALSE(fs::exists(a.ctx.rutaCopia()));
}
