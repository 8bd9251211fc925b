#include "store/almacen.h"

#include "core/archivo_comun.h"
#include "core/descripcion_error.h"
#include "core/error.h"
#include "store/contexto.h"
#include "store/dialecto_jet.h"
#include "store/esquema.h"
#include "store/memoria_consultas.h"
#include "store/plan_consulta.h"

#include <cerrno>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <glob.h>
#include <sqlite3.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace store {

namespace {

// The name a damaged store is kept under: "base.mdb.dañada-AAAAMMDD-HHMMSS",
// with "-2", "-3" ... when one of that second is already there.
std::string nombreApartada(const std::string& ruta) {
    const std::time_t ahora =
        std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&ahora, &local);
    char sello[32];
    std::strftime(sello, sizeof sello, "%Y%m%d-%H%M%S", &local);
    const std::string nombre = ruta + ".dañada-" + sello;
    std::string libre = nombre;
    std::error_code ec;
    for (int n = 2; fs::exists(libre, ec) || fs::exists(libre + "-journal", ec); ++n) {
        libre = nombre + "-" + std::to_string(n);
    }
    return libre;
}

// Moves the store and the journal that belongs to it aside, together, so
// the pair can still be opened as it was. Nothing is deleted.
std::string apartar(const std::string& ruta) {
    const std::string destino = nombreApartada(ruta);
    if (::rename(ruta.c_str(), destino.c_str()) != 0) {
        throw core::Error(core::Error::ErrorBaseDatos,
                          "No se pudo apartar la base de datos dañada " + ruta + ": " +
                              core::descripcionDelSistema(errno));
    }
    // A journal left beside the new store would be played back into it.
    for (const char* diario : {"-journal", "-wal", "-shm"}) {
        if (::access((ruta + diario).c_str(), F_OK) == 0 &&
            ::rename((ruta + diario).c_str(), (destino + diario).c_str()) != 0) {
            throw core::Error(core::Error::ErrorBaseDatos,
                              "No se pudo apartar el diario de la base de datos dañada " + ruta +
                                  diario + ": " + core::descripcionDelSistema(errno));
        }
    }
    return destino;
}

// The store passes its integrity check. A check the engine cannot even run
// on a damaged file counts as failed; any other failure is thrown.
bool sana(BaseDatos& base) {
    try {
        Sentencia revision(base, "PRAGMA integrity_check");
        return revision.paso() && revision.valor(0).value_or("") == "ok";
    } catch (const core::Error&) {
        if (!base.danada()) {
            throw;
        }
        return false;
    }
}

void compactar(Contexto& ctx) {
    // From the copy to the rename no other program can write: a load that
    // committed in between would go into the file the copy replaces.
    Transaccion cerrojo(*ctx.Conexion);
    std::error_code ec;
    fs::remove(ctx.rutaCopia(), ec);
    try {
        BaseDatos lectora(ctx.rutaBase(), ctx.reloj);
        Sentencia copia(lectora, "VACUUM INTO ?");
        copia.enlazar(1, ctx.rutaCopia());
        copia.paso();
    } catch (const core::Error&) {
        // A copy cut short (a full disk) would only take room.
        fs::remove(ctx.rutaCopia(), ec);
        throw;
    }
    // The copy is on disk before it replaces the store.
    if (!core::sincronizarEnDisco(ctx.rutaCopia()) ||
        ::rename(ctx.rutaCopia().c_str(), ctx.rutaBase().c_str()) != 0) {
        const int numero = errno;
        fs::remove(ctx.rutaCopia(), ec);
        throw core::Error(core::Error::RutaNoEncontrada,
                          "No se pudo reemplazar " + ctx.rutaBase() +
                              " por su copia compactada: " + core::descripcionDelSistema(numero));
    }
    // The new name lasts once the folder is on disk; the store is whole either way.
    core::sincronizarEnDisco(ctx.carpeta);
}

} // namespace

bool RecuperarCompactacion(const Contexto& ctx) {
    std::error_code ec;
    if (!fs::exists(ctx.rutaBase(), ec) && fs::exists(ctx.rutaCopia(), ec)) {
        fs::rename(ctx.rutaCopia(), ctx.rutaBase(), ec);
        return !ec;
    }
    return false;
}

std::optional<std::string> AbrirBaseDatos(Contexto& ctx) {
    ctx.Conexion.reset();
    RecuperarCompactacion(ctx);
    auto base = std::make_unique<BaseDatos>(ctx.rutaBase(), ctx.reloj);
    try {
        crearEsquema(*base);
    } catch (const core::Error&) {
        if (!base->danada()) {
            throw;
        }
        base.reset();
        return RepararBaseDatos(ctx);
    }
    ctx.Conexion = std::move(base);
    return std::nullopt;
}

std::string RepararBaseDatos(Contexto& ctx) {
    ctx.Conexion.reset();
    const std::string apartada = apartar(ctx.rutaBase());
    auto base = std::make_unique<BaseDatos>(ctx.rutaBase(), ctx.reloj);
    crearEsquema(*base);
    ctx.Conexion = std::move(base);
    return "La base de datos " + ctx.rutaBase() + " estaba dañada: se la guardó aparte como " +
           fs::path(apartada).filename().string() +
           " y se creó una nueva, que la carga de las bases ISIS vuelve a llenar.";
}

BaseDatos& ConexionAbierta(Contexto& ctx) {
    if (!ctx.Conexion) {
        throw core::Error(core::Error::ObjetoNoEstablecido, "Variable de objeto no establecida");
    }
    return *ctx.Conexion;
}

void AjustarParaLeer(BaseDatos& base) {
    base.ejecutar("PRAGMA cache_size = -2000");
}

void AjustarParaRecorrer(Contexto& ctx, const std::string& sentencia) {
    BaseDatos& base = ConexionAbierta(ctx);
    if (!planDe(base, traducirJet(sentencia)).porIndice) {
        base.ejecutar("PRAGMA mmap_size = 0");
    }
}

CacheDeLectura::CacheDeLectura(BaseDatos& base) : base_(base) {
    if (base.enTransaccion()) {
        return;
    }
    Sentencia actual(base, "PRAGMA cache_size");
    anterior_ = actual.paso() ? actual.valor(0) : std::nullopt;
    AjustarParaLeer(base);
}

CacheDeLectura::~CacheDeLectura() {
    if (anterior_) {
        const std::string sql = "PRAGMA cache_size = " + *anterior_;
        sqlite3_exec(base_.manejador(), sql.c_str(), nullptr, nullptr, nullptr);
    }
}

std::unique_ptr<Registros> EjecutarConsulta(Contexto& ctx, const std::string& sentencia, int cursor,
                                            int bloqueo) {
    ctx.TextoSql = sentencia;
    BaseDatos& base = ConexionAbierta(ctx);
    const std::string sql = traducirJet(ctx.TextoSql);
    if (cursor == adOpenDynamic && bloqueo == adLockPessimistic) {
        return Registros::anexador(base, sql);
    }
    return Registros::lectura(base, sql);
}

std::unique_ptr<Registros> EjecutarConsultaEnOrdenDeTabla(Contexto& ctx,
                                                          const std::string& sentencia) {
    ctx.TextoSql = sentencia;
    BaseDatos& base = ConexionAbierta(ctx);
    return Registros::lectura(base, enOrdenDeTabla(traducirJet(ctx.TextoSql)));
}

const FilasLeidas& EjecutarConsultaGuardada(Contexto& ctx, const std::string& sentencia,
                                            std::size_t filas) {
    ctx.TextoSql = sentencia;
    return ConexionAbierta(ctx).memoria().leer(traducirJet(ctx.TextoSql), filas);
}

void AnticiparConsultas(Contexto& ctx, const std::vector<std::string>& sentencias,
                        std::size_t filas) {
    std::vector<std::string> traducidas;
    traducidas.reserve(sentencias.size());
    for (const std::string& sentencia : sentencias) {
        traducidas.push_back(traducirJet(sentencia));
    }
    ConexionAbierta(ctx).memoria().anticipar(std::move(traducidas), filas);
}

bool ExisteArchivo(const std::string& ruta) {
    if (ruta.empty()) {
        return false;
    }
    // Brackets are literal in a file-system search; only * and ? are wildcards.
    std::string patron;
    for (char c : ruta) {
        if (c == '[') {
            patron += "[[]";
        } else {
            patron += c;
        }
    }
    glob_t resultado{};
    const int r = glob(patron.c_str(), GLOB_NOESCAPE | GLOB_NOSORT, nullptr, &resultado);
    const bool hay = r == 0 && resultado.gl_pathc > 0;
    globfree(&resultado);
    return hay;
}

std::optional<core::Error> CompactarBase(Contexto& ctx) {
    ctx.ArchivoIni.reset();
    std::optional<core::Error> falla;
    try {
        BaseDatos& base = ConexionAbierta(ctx);
        // After another program's compaction this connection reads a file
        // that is no longer the store: check and copy the one that is.
        if (base.seMovio()) {
            base.reabrir();
        }
        if (sana(base)) {
            compactar(ctx);
        } else {
            falla = core::Error(core::Error::ErrorBaseDatos, RepararBaseDatos(ctx));
        }
    } catch (const core::Error& e) {
        if (e.numero() != core::Error::ObjetoNoEstablecido) {
            falla = e;
        }
    }
    ctx.Conexion.reset();
    return falla;
}

} // namespace store
