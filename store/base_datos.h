#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace core {
class Reloj;
}

namespace store {

// One open SQLite file with the functions and collation the program's
// statements rely on (see dialecto_jet.h). Errors are thrown as Error.
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

private:
    sqlite3* db_ = nullptr;
    std::string ruta_;
};

// An explicit transaction: rolled back unless confirmed.
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
    int columnas() const;
    std::string nombreColumna(int i) const;
    std::optional<std::string> valor(int i) const;
    sqlite3_stmt* manejador() const { return st_; }

private:
    BaseDatos& base_;
    sqlite3_stmt* st_ = nullptr;
};

[[noreturn]] void lanzarErrorSqlite(sqlite3* db, const std::string& contexto);

} // namespace store
