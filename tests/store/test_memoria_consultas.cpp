#include "core/error.h"
#include "core/reloj.h"
#include "store/almacen.h"
#include "store/base_datos.h"
#include "store/contexto.h"
#include "store/memoria_consultas.h"
#include "tests/apoyo/contador_consultas.h"
#include "tests/apoyo/entorno.h"
#include "tests/apoyo/filas_presta.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

namespace {

using Contador = prueba::ContadorConsultas;

const std::string Titulos = "SELECT titulo FROM presta ORDER BY titulo";

std::vector<std::string> titulos(const store::FilasLeidas& f) {
    std::vector<std::string> t;
    for (const auto& fila : f.filas) {
        t.push_back(fila[0].value_or("<null>"));
    }
    return t;
}

struct Memoria : testing::Test {
    Memoria() {
        almacen.abrirAlmacen();
        for (const char* titulo : {"Rayuela", "Cosmos", "Ficciones"}) {
            prueba::agregarPresta(almacen.ctx, {{"titulo", titulo}});
        }
    }
    store::BaseDatos& base() { return *almacen.ctx.Conexion; }
    store::MemoriaConsultas& memoria() { return base().memoria(); }

    prueba::Entorno almacen{prueba::dia(2026, 5, 20)};
};

} // namespace

TEST_F(Memoria, LaMismaSentenciaSeLeeUnaVezMientrasAlcancenLasFilas) {
    Contador contador(base());
    EXPECT_EQ(titulos(memoria().leer(Titulos, 2)),
              (std::vector<std::string>{"Cosmos", "Ficciones"}));
    EXPECT_FALSE(memoria().leer(Titulos, 2).todas);
    EXPECT_EQ(titulos(memoria().leer(Titulos, 1)),
              (std::vector<std::string>{"Cosmos", "Ficciones"}));
    EXPECT_EQ(contador.corridas(), 1);
    // More rows than were kept: read again, and then all of them are known.
    const store::FilasLeidas& todas = memoria().leer(Titulos, 10);
    EXPECT_EQ(titulos(todas), (std::vector<std::string>{"Cosmos", "Ficciones", "Rayuela"}));
    EXPECT_TRUE(todas.todas);
    EXPECT_EQ(todas.nombres, std::vector<std::string>{"titulo"});
    memoria().leer(Titulos, 255);
    EXPECT_EQ(contador.corridas(), 2);
    memoria().leer("SELECT COUNT(*) FROM presta", 1);
    EXPECT_EQ(contador.corridas(), 3);
}

TEST_F(Memoria, UnCambioEnEstaConexionLaVacia) {
    memoria().leer(Titulos, 10);
    prueba::agregarPresta(almacen.ctx, {{"titulo", "Antología"}});
    EXPECT_EQ(titulos(memoria().leer(Titulos, 10)),
              (std::vector<std::string>{"Antología", "Cosmos", "Ficciones", "Rayuela"}));
    // Also inside a transaction nobody else sees yet.
    store::Transaccion t(base());
    base().ejecutar("DELETE FROM presta WHERE titulo = 'Cosmos'");
    EXPECT_EQ(titulos(memoria().leer(Titulos, 10)),
              (std::vector<std::string>{"Antología", "Ficciones", "Rayuela"}));
}

// A table dropped or created changes no row count.
TEST_F(Memoria, UnCambioDeTablasLaVacia) {
    memoria().leer(Titulos, 10);
    base().ejecutar("DROP TABLE presta");
    EXPECT_THROW(memoria().leer(Titulos, 10), core::Error);
}

// A rollback takes back rows without moving the counters a change moves.
TEST_F(Memoria, LoLeidoEnUnaTransaccionDeshechaNoQueda) {
    {
        store::Transaccion t(base());
        base().ejecutar("DELETE FROM presta WHERE titulo <> 'Cosmos'");
        EXPECT_EQ(titulos(memoria().leer(Titulos, 10)), std::vector<std::string>{"Cosmos"});
    }
    EXPECT_EQ(titulos(memoria().leer(Titulos, 10)),
              (std::vector<std::string>{"Cosmos", "Ficciones", "Rayuela"}));
}

// The load run writes the store through a connection of its own.
TEST_F(Memoria, UnCambioDesdeOtraConexionLaVacia) {
    memoria().leer(Titulos, 10);
    {
        store::BaseDatos otra(almacen.ctx.rutaBase(), almacen.reloj);
        store::Transaccion t(otra);
        otra.ejecutar("DELETE FROM presta; INSERT INTO presta (titulo) VALUES ('Martín Fierro')");
        t.confirmar();
    }
    EXPECT_EQ(titulos(memoria().leer(Titulos, 10)), std::vector<std::string>{"Martín Fierro"});
}

// Another program's exit compaction puts a new file in the store's place;
// the connection opened again on it reads that file, not what it kept.
TEST_F(Memoria, UnArchivoReabiertoEmpiezaSinNada) {
    const std::string nueva = almacen.ruta("nueva.mdb");
    std::filesystem::copy_file(almacen.ctx.rutaBase(), nueva);
    {
        store::BaseDatos copia(nueva, almacen.reloj);
        copia.ejecutar("UPDATE presta SET titulo = 'Zama' WHERE titulo = 'Cosmos'");
    }
    // A connection that never wrote, on a file with the same tables: every
    // counter reads as it will on the connection opened again.
    almacen.abrirAlmacen();
    EXPECT_EQ(titulos(memoria().leer(Titulos, 10)),
              (std::vector<std::string>{"Cosmos", "Ficciones", "Rayuela"}));
    ASSERT_EQ(std::rename(nueva.c_str(), almacen.ctx.rutaBase().c_str()), 0);
    ASSERT_TRUE(base().seMovio());
    base().reabrir();
    EXPECT_EQ(titulos(memoria().leer(Titulos, 10)),
              (std::vector<std::string>{"Ficciones", "Rayuela", "Zama"}));
}

TEST_F(Memoria, OtroDiaLaVacia) {
    const std::string hoy = "SELECT date()";
    EXPECT_EQ(memoria().leer(hoy, 1).filas[0][0], "2026-05-20");
    almacen.reloj.fijar(core::sumarDias(almacen.reloj.hoy(), 1));
    EXPECT_EQ(memoria().leer(hoy, 1).filas[0][0], "2026-05-21");
}

TEST_F(Memoria, UnaSentenciaRechazadaEsUnErrorYNoQuedaGuardada) {
    EXPECT_THROW(memoria().leer("SELECT nada FROM presta", 5), core::Error);
    EXPECT_THROW(memoria().leer("SELECT nada FROM presta", 5), core::Error);
}

// Answered from memory or not, the statement is the last one run; a store
// repaired in place of a damaged one holds none of the rows kept before.
TEST_F(Memoria, LaConsultaGuardadaQuedaComoUltimaSentenciaYNoSobreviveALaReparacion) {
    store::Contexto& ctx = almacen.ctx;
    const std::string jet = "SELECT LEFT(titulo,3) AS t FROM presta ORDER BY titulo";
    EXPECT_EQ(titulos(store::EjecutarConsultaGuardada(ctx, jet, 5)),
              (std::vector<std::string>{"Cos", "Fic", "Ray"}));
    store::EjecutarConsulta(ctx, "SELECT COUNT(*) FROM presta");
    Contador contador(base());
    EXPECT_EQ(titulos(store::EjecutarConsultaGuardada(ctx, jet, 5)).size(), 3u);
    EXPECT_EQ(contador.corridas(), 0);
    EXPECT_EQ(ctx.TextoSql, jet);
    store::RepararBaseDatos(ctx);
    EXPECT_TRUE(store::EjecutarConsultaGuardada(ctx, jet, 5).filas.empty());
}

// Read ahead on another connection, the result is there before the first
// request, which runs nothing; a statement that failed ahead fails when asked.
TEST_F(Memoria, LoLeidoDeAntemanoSeUsaSinVolverALeerlo) {
    store::Contexto& ctx = almacen.ctx;
    const std::string jet = "SELECT LEFT(titulo,3) AS t FROM presta ORDER BY titulo";
    store::AnticiparConsultas(ctx, {"SELECT nada FROM presta", jet, Titulos}, 10);
    memoria().esperarAnticipo();
    Contador contador(base());
    EXPECT_EQ(titulos(store::EjecutarConsultaGuardada(ctx, jet, 5)),
              (std::vector<std::string>{"Cos", "Fic", "Ray"}));
    EXPECT_EQ(ctx.TextoSql, jet);
    EXPECT_TRUE(memoria().leer(Titulos, 100).todas);
    EXPECT_EQ(contador.corridas(), 0);
    EXPECT_THROW(memoria().leer("SELECT nada FROM presta", 5), core::Error);
    // Not all of a longer result was read ahead: the rest is read here.
    memoria().anticipar({"SELECT titulo FROM presta ORDER BY titulo DESC"}, 1);
    memoria().esperarAnticipo();
    EXPECT_EQ(titulos(memoria().leer("SELECT titulo FROM presta ORDER BY titulo DESC", 1)),
              std::vector<std::string>{"Rayuela"});
    EXPECT_EQ(contador.corridas(), 0);
    EXPECT_EQ(titulos(memoria().leer("SELECT titulo FROM presta ORDER BY titulo DESC", 3)),
              (std::vector<std::string>{"Rayuela", "Ficciones", "Cosmos"}));
    EXPECT_EQ(contador.corridas(), 1);
}

// What was read ahead of a change, here or through another connection (the
// load run), is never taken for the store as it is now.
TEST_F(Memoria, LoLeidoDeAntemanoDeUnaBaseQueCambioNoSeUsa) {
    memoria().anticipar({Titulos}, 10);
    memoria().esperarAnticipo();
    prueba::agregarPresta(almacen.ctx, {{"titulo", "Antología"}});
    EXPECT_EQ(titulos(memoria().leer(Titulos, 10)),
              (std::vector<std::string>{"Antología", "Cosmos", "Ficciones", "Rayuela"}));

    memoria().anticipar({Titulos}, 10);
    memoria().esperarAnticipo();
    {
        store::BaseDatos otra(almacen.ctx.rutaBase(), almacen.reloj);
        otra.ejecutar("DELETE FROM presta WHERE titulo = 'Cosmos'");
    }
    EXPECT_EQ(titulos(memoria().leer(Titulos, 10)),
              (std::vector<std::string>{"Antología", "Ficciones", "Rayuela"}));

    // Started inside a transaction, it would read rows about to change.
    store::Transaccion t(base());
    memoria().anticipar({Titulos}, 10);
    memoria().esperarAnticipo();
    base().ejecutar("DELETE FROM presta WHERE titulo = 'Rayuela'");
    t.confirmar();
    EXPECT_EQ(titulos(memoria().leer(Titulos, 10)),
              (std::vector<std::string>{"Antología", "Ficciones"}));
}

namespace {

// Whether another connection is reading the store: it holds the lock that
// keeps a writer from taking the file for itself.
bool alguienLee(const std::string& ruta, const core::Reloj& reloj) {
    store::BaseDatos otra(ruta, reloj);
    sqlite3_busy_timeout(otra.manejador(), 0);
    if (sqlite3_exec(otra.manejador(), "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        return true;
    }
    otra.ejecutar("ROLLBACK");
    return false;
}

} // namespace

// Closing the connection (a reload, the program's exit) stops a statement
// being read ahead at once, however long it would run.
TEST_F(Memoria, CerrarLaConexionDetieneLaLecturaDeAntemano) {
    memoria().anticipar({"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) "
                         "SELECT COUNT(*) FROM n, presta",
                         Titulos},
                        1);
    // Opening the connection reads for a moment too; the statement reads on.
    const auto leyendoLaSentencia = [this] {
        if (!alguienLee(almacen.ctx.rutaBase(), almacen.reloj)) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return alguienLee(almacen.ctx.rutaBase(), almacen.reloj);
    };
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    bool leyendo = leyendoLaSentencia();
    while (!leyendo && std::chrono::steady_clock::now() < limite) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        leyendo = leyendoLaSentencia();
    }
    ASSERT_TRUE(leyendo);
    almacen.abrirAlmacen();
    EXPECT_FALSE(alguienLee(almacen.ctx.rutaBase(), almacen.reloj));
    EXPECT_EQ(titulos(memoria().leer(Titulos, 10)),
              (std::vector<std::string>{"Cosmos", "Ficciones", "Rayuela"}));
}
