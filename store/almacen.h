#pragma once

#include "core/error.h"
#include "store/registros.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace store {

struct Contexto;
struct FilasLeidas;

// Cursor and lock types callers pass to EjecutarConsulta.
constexpr int adOpenForwardOnly = 0;
constexpr int adOpenDynamic = 2;
constexpr int adLockReadOnly = 1;
constexpr int adLockPessimistic = 2;

// Opens base.mdb in the application folder into ctx.Conexion (a previous
// connection is released). A missing store is recovered from base.bak or
// created with its schema. A store that is damaged or not a database at all
// is repaired (RepararBaseDatos); the sentence that tells the user is then
// returned. Throws Error when the store cannot be opened; ctx.Conexion is
// then empty.
std::optional<std::string> AbrirBaseDatos(Contexto& ctx);

// Keeps the damaged store aside as base.mdb.dañada-AAAAMMDD-HHMMSS, with its
// journal, never deleting it, and opens a new store with its schema into
// ctx.Conexion: presta is refilled by the load, ciudades by the schema.
// Returns one Spanish sentence for the user, naming both files.
std::string RepararBaseDatos(Contexto& ctx);

// The open store connection; throws Error 91 when the store was never opened.
BaseDatos& ConexionAbierta(Contexto& ctx);

// Settles a connection that only reads, for a short while, on the engine's
// default page cache (2 MB). Its reads go through the memory-mapped file and
// keep nothing in that cache; what the cache's size still decides is how the
// engine sorts (ORDER BY, GROUP BY): in runs of that size, each sorted while
// it fits the processor's cache and then merged, instead of one list of
// every row, which a large cache allows and which sorts a third slower at
// 100 000 loans. Rows that sort equal keep their order either way. Throws Error.
void AjustarParaLeer(BaseDatos& base);

// For a connection that runs this one statement and closes (a list of the
// headless program): when the engine reads every table of it straight
// through, without an index, it reads the file into its cache instead of
// through the memory map. On a straight read the copy costs less than
// parsing pages the processor has never seen; a look-up through an index
// keeps the map, which spares it a read of the file each. Throws Error.
void AjustarParaRecorrer(Contexto& ctx, const std::string& sentencia);

// AjustarParaLeer while the object lives, on a connection that also writes
// (the program's own, whose load run wants its large cache): the cache it had
// returns when the object goes. Inside a write transaction, whose changed
// pages the small cache would push out to the file, nothing changes.
class CacheDeLectura {
public:
    explicit CacheDeLectura(BaseDatos& base);
    ~CacheDeLectura();
    CacheDeLectura(const CacheDeLectura&) = delete;
    CacheDeLectura& operator=(const CacheDeLectura&) = delete;

private:
    BaseDatos& base_;
    std::optional<std::string> anterior_;
};

// Records `sentencia` in ctx.TextoSql, the last statement run, and runs it
// over ctx.Conexion. Cursor 2 with lock 2 on "SELECT * FROM tabla" gives the
// appender; anything else a forward-only read-only row set. Throws Error (91
// when the store was never opened); TextoSql then still holds the statement.
std::unique_ptr<Registros> EjecutarConsulta(Contexto& ctx, const std::string& sentencia,
                                            int cursor = adOpenForwardOnly,
                                            int bloqueo = adLockReadOnly);

// The same read-only row set with the statement's table read in its own
// order (enOrdenDeTabla), for a statement that needs nearly all of its rows;
// ctx.TextoSql records the statement as given. Throws Error as EjecutarConsulta does.
std::unique_ptr<Registros> EjecutarConsultaEnOrdenDeTabla(Contexto& ctx,
                                                          const std::string& sentencia);

// Records `sentencia` in ctx.TextoSql and gives at least its first `filas`
// rows (all of them when it has fewer), read once and kept by the connection
// while the store is unchanged (MemoriaConsultas): for statements asked again
// and again, as a ranking is on every refresh. The reference lasts until the
// next call. Throws Error as EjecutarConsulta does.
const FilasLeidas& EjecutarConsultaGuardada(Contexto& ctx, const std::string& sentencia,
                                            std::size_t filas);

// Reads the statements ahead, on another connection and thread, for
// EjecutarConsultaGuardada to find kept (MemoriaConsultas::anticipar).
void AnticiparConsultas(Contexto& ctx, const std::vector<std::string>& sentencias,
                        std::size_t filas);

// True when a file-system search for the path finds an entry: wildcards * and
// ? are honoured, a folder counts, an empty path does not. Never throws.
bool ExisteArchivo(const std::string& ruta);

// The exit sequence: releases the shared settings, checks the store, compacts
// it into base.bak and renames that over base.mdb in one step, holding the
// store against other programs' writes from the copy to the rename. A store
// that fails its check is repaired instead (RepararBaseDatos), the sentence
// returned as an Error for the user. A failure skips the remaining steps;
// the store is closed in every case. Returns the failure for the caller to
// show, nothing when the sequence ran through or when the store was never
// opened (error 91, which is no failure here). The caller then ends the
// program.
[[nodiscard]] std::optional<core::Error> CompactarBase(Contexto& ctx);

// Finishes an exit compaction that was interrupted (base.mdb missing,
// base.bak present). Returns true when it renamed the copy back.
bool RecuperarCompactacion(const Contexto& ctx);

} // namespace store
