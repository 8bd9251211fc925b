#include "store/almacen.h"
#include "tests/apoyo/entorno.h"
#include "tests/apoyo/filas_presta.h"

#include <gtest/gtest.h>

#include <filesystem>

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

TEST(CompactarBase, FallaAlRenombrarDaElErrorYCierra) {
    prueba::Entorno a{prueba::dia(2026, 5, 20)};
    a.abrirAlmacen();
    prueba::agregarPresta(a.ctx, {{"dni", "9"}});
    // A folder where the store should be: the copy cannot be renamed over it.
    fs::remove(a.ctx.rutaBase());
    fs::create_directory(a.ctx.rutaBase());
    const std::optional<core::Error> error = store::CompactarBase(a.ctx);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->numero(), core::Error::RutaNoEncontrada);
    EXPECT_FALSE(error->descripcion().empty());
    EXPECT_EQ(a.ctx.Conexion, nullptr);
}
