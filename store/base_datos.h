#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace core {
class Reloj;
}

namespace store {

// How long a statement waits for another program that holds the store
// before it reports "La base de datos está en uso por otro programa".
inline constexpr int EsperaPorOtroPrograma = 3000; // milliseconds

class MemoriaConsultas;

// One open SQLite file with the functions and collation the program's
// statements rely on (see dialecto_jet.h). Errors are thrown as Error, their
// descriptions in Spanish and naming the file.
class BaseDatos {
public:
    // Opens (creating when missing) the file; today's date comes from reloj.
    BaseDatos(const std::string& ruta, const core::Reloj& reloj);
    ~BaseDatos();
    BaseDatos(const BaseDatos&) = delete;
    BaseDatos& operator=(const BaseDatos&) = delete;

    // Runs statements that return nothing (schema, PRAGMA ...), untranslated.
    void ejecutar(const std::string& sql);
    sqlite3* manejador() const { return db_; }
    const std::string& ruta() const { return ruta_; }
    // Whether a transaction is open, whose changes other connections cannot see yet.
    bool enTransaccion() const;
    // Whether the last failure was the engine finding the file damaged or
    // not a store at all.
    bool danada() const;
    // Whether the last failure was another program holding the store.
    bool ocupada() const;
    // Whether the file open here is no longer the one at its path: another
    // program's exit compaction put a new file in its place.
    bool seMovio() const;
    // Opens again the file now at the path. No statement may be open.
    void reabrir();
    // Throws the engine's last error on this connection as Error.
    [[noreturn]] void fallar(const std::string& contexto = {});
    // Results this connection keeps while the store is unchanged.
    MemoriaConsultas& memoria() { return *memoria_; }

private:
    void abrir();

    sqlite3* db_ = nullptr;
    std::string ruta_;
    const core::Reloj& reloj_;
    int codigoFallo_ = 0;
    std::unique_ptr<MemoriaConsultas> memoria_;
};

// An explicit write transaction: rolled back unless confirmed. It holds the
// store against every other program's writes while it lives. When another
// program replaced the file under the connection (an exit compaction), the
// connection first moves to the file now at the path, so nothing is
// written into a file that is no longer the store.
class Transaccion {
public:
    explicit Transaccion(BaseDatos& base);
    ~Transaccion();
    Transaccion(const Transaccion&) = delete;
    Transaccion& operator=(const Transaccion&) = delete;
    void confirmar();

private:
    BaseDatos& base_;
    bool abierta_ = true;
};

// A read transaction: every statement run on the connection while it lives
// reads one committed state of the store, and no other program can commit
// meanwhile. It ends, without failing, when it goes.
class TransaccionLectura {
public:
    explicit TransaccionLectura(BaseDatos& base);
    ~TransaccionLectura();
    TransaccionLectura(const TransaccionLectura&) = delete;
    TransaccionLectura& operator=(const TransaccionLectura&) = delete;
    // Begins one only when no other program is about to commit (nothing to
    // wait for); nullptr otherwise.
    static std::unique_ptr<TransaccionLectura> sinEsperar(BaseDatos& base);

private:
    BaseDatos& base_;
};

// A prepared statement; throws Error with the engine's message.
class Sentencia {
public:
    Sentencia(BaseDatos& base, const std::string& sql);
    ~Sentencia();
    Sentencia(const Sentencia&) = delete;
    Sentencia& operator=(const Sentencia&) = delete;

    // True while a row is available.
    bool paso();
    void reiniciar();
    void enlazar(int indice, const std::optional<std::string>& valor);
    // Binds the text without copying it: it must stay unchanged until the
    // statement is stepped or reset.
    void enlazarSinCopia(int indice, std::string_view valor);
    int columnas() const;
    std::string nombreColumna(int i) const;
    std::optional<std::string> valor(int i) const;
    // The same value without a copy, valid until the next step.
    std::optional<std::string_view> vista(int i) const;
    sqlite3_stmt* manejador() const { return st_; }

private:
    BaseDatos& base_;
    sqlite3_stmt* st_ = nullptr;
};

// Throws the engine's last error on `db` as Error, in Spanish, naming its file.
[[noreturn]] void lanzarErrorSqlite(sqlite3* db, const std::string& contexto);

} // namespace store
