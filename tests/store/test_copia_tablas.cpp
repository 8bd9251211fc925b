#include "store/base_datos.h"
#include "store/copia_tablas.h"
#include "store/esquema.h"
#include "tests/apoyo/entorno.h"
#include "tests/apoyo/filas_presta.h"

#include <gtest/gtest.h>

namespace {

using Filas = std::vector<prueba::Fila>;

// Report tables written on a connection of their own, in memory.
store::BaseSerializada tablasEnMemoria(const core::Reloj& reloj) {
    store::BaseDatos memoria(":memory:", reloj);
    store::crearTablasInformes(memoria);
    memoria.ejecutar("INSERT INTO usuarios (dni, apellido, suspendido) VALUES "
                     "('2', 'Núñez', NULL), ('1', 'avila', 'SI'), ('1', 'Ávila', NULL)");
    memoria.ejecutar("INSERT INTO ejemplares (inventario, titulo) VALUES ('I-9', 'Ñandú')");
    return store::BaseSerializada(memoria);
}

Filas esquemas(store::Contexto& ctx) {
    return prueba::filasDe(ctx, "SELECT name FROM pragma_database_list ORDER BY seq");
}

// The rows arrive whole and in their order, NULLs as NULLs, and compare with
// the store's collation; the copy's schema is gone once the transaction is.
TEST(CopiaAdjunta, CopiaLasTablasEnterasYSeVaTrasLaTransaccion) {
    prueba::Entorno e{prueba::dia(2026, 5, 20)};
    e.abrirAlmacen();
    const store::BaseSerializada copia = tablasEnMemoria(e.reloj);
    {
        store::CopiaAdjunta adjunta(*e.ctx.Conexion);
        store::Transaccion t(*e.ctx.Conexion);
        adjunta.copiar(copia, {"usuarios", "ejemplares"});
        t.confirmar();
    }
    EXPECT_EQ(prueba::filasDe(e.ctx, "SELECT rowid, dni, apellido, suspendido FROM usuarios"),
              (Filas{{"1", "2", "Núñez", std::nullopt},
                     {"2", "1", "avila", "SI"},
                     {"3", "1", "Ávila", std::nullopt}}));
    // Case aside, accents kept: the store's collation, not the bytes.
    EXPECT_EQ(prueba::filasDe(e.ctx, "SELECT apellido FROM usuarios WHERE apellido = 'AVILA'"),
              (Filas{{"avila"}}));
    EXPECT_EQ(prueba::filasDe(e.ctx, "SELECT inventario, titulo, autor FROM ejemplares"),
              (Filas{{"I-9", "Ñandú", std::nullopt}}));
    EXPECT_EQ(esquemas(e.ctx), (Filas{{"main"}}));
}

TEST(CopiaAdjunta, UnaTransaccionDeshechaDejaLasTablasComoEstaban) {
    prueba::Entorno e{prueba::dia(2026, 5, 20)};
    e.abrirAlmacen();
    e.ctx.Conexion->ejecutar("INSERT INTO ejemplares (inventario) VALUES ('previo')");
    const store::BaseSerializada copia = tablasEnMemoria(e.reloj);
    {
        store::CopiaAdjunta adjunta(*e.ctx.Conexion);
        store::Transaccion t(*e.ctx.Conexion);
        adjunta.copiar(copia, {"ejemplares"});
        EXPECT_EQ(prueba::filasDe(e.ctx, "SELECT COUNT(*) FROM ejemplares"), (Filas{{"2"}}));
    }
    EXPECT_EQ(prueba::filasDe(e.ctx, "SELECT inventario FROM ejemplares"), (Filas{{"previo"}}));
    EXPECT_EQ(esquemas(e.ctx), (Filas{{"main"}}));
    // The same connection copies again.
    store::CopiaAdjunta adjunta(*e.ctx.Conexion);
    store::Transaccion t(*e.ctx.Conexion);
    adjunta.copiar(copia, {"ejemplares"});
    t.confirmar();
    EXPECT_EQ(prueba::filasDe(e.ctx, "SELECT COUNT(*) FROM ejemplares"), (Filas{{"2"}}));
}

} // namespace
