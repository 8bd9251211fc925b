#pragma once

#include "core/reloj.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace store {

class AnticipoConsultas;
class BaseDatos;

// The rows a read-only statement gave, each value by column position.
struct FilasLeidas {
    std::vector<std::string> nombres;
    std::vector<std::vector<std::optional<std::string>>> filas;
    bool todas = false; // the statement had no rows left unread
};

// Results of read-only statements kept while the store stays as it was: the
// same statement asked again (another bar count, the ranking window opened
// again) is answered from memory. Any change to the store, through this
// connection or another one (the load run), and a new day (a statement may
// ask for date()) drop every kept result. Nothing read inside a transaction
// is kept; a connection opened again starts with nothing kept. What is read
// from the store is read along the cheapest walk (sinRecorridoPorIndice).
// Statements can also be read ahead, before anyone asks (anticipar).
class MemoriaConsultas {
public:
    MemoriaConsultas(BaseDatos& base, const core::Reloj& reloj);
    ~MemoriaConsultas();
    MemoriaConsultas(const MemoriaConsultas&) = delete;
    MemoriaConsultas& operator=(const MemoriaConsultas&) = delete;

    // At least the first `limite` rows of `sql` (all of them when it has
    // fewer), in the engine's own dialect. The reference lasts until the
    // next call. Throws Error as a statement does.
    const FilasLeidas& leer(const std::string& sql, std::size_t limite);

    // Starts reading at least the first `limite` rows of each statement on a
    // connection and thread of their own (AnticipoConsultas), replacing any
    // earlier reading ahead. What they give is kept here as if read here,
    // provided the store is still as it was at this call; otherwise it is
    // dropped and read again when asked for.
    void anticipar(std::vector<std::string> sentencias, std::size_t limite);
    // Blocks until the reading ahead, if any, is done; the next leer keeps
    // what it gave.
    void esperarAnticipo();

private:
    // What tells that the store may hold other rows than when a result was kept.
    struct Marca {
        std::int64_t cambios = -1; // rows this connection changed since it opened
        std::int64_t version = -1; // moved by every commit of another connection
        std::int64_t esquema = -1; // moved by every change of tables or indexes
        core::Fecha dia{};
        bool operator==(const Marca&) const = default;
    };
    Marca marcaActual() const;
    FilasLeidas leerDeLaBase(const std::string& sql, std::size_t limite);
    // Keeps what the reading ahead has given so far, when the store is still
    // as it was when it started; stops it when not, or when it is done.
    // `ahora` is the current mark, already in marca_.
    void recogerAnticipo(const Marca& ahora);

    BaseDatos& base_;
    const core::Reloj& reloj_;
    Marca marca_;
    std::map<std::string, FilasLeidas> guardadas_;
    std::unique_ptr<AnticipoConsultas> anticipo_;
    Marca marcaAnticipo_;
};

} // namespace store
