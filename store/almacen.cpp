#include "store/almacen.h"

#include "core/error.h"
#include "store/contexto.h"
#include "store/dialecto_jet.h"
#include "store/esquema.h"

#include <sqlite3.h>

#include <filesystem>
#include <glob.h>

namespace fs = std::filesystem;

namespace store {

bool RecuperarCompactacion(const Contexto& ctx) {
    std::error_code ec;
    if (!fs::exists(ctx.rutaBase(), ec) && fs::exists(ctx.rutaCopia(), ec)) {
        fs::rename(ctx.rutaCopia(), ctx.rutaBase(), ec);
        return !ec;
    }
    return false;
}

void AbrirBaseDatos(Contexto& ctx) {
    ctx.Conexion.reset();
    RecuperarCompactacion(ctx);
    auto base = std::make_unique<BaseDatos>(ctx.rutaBase(), ctx.reloj);
    crearEsquema(*base);
    ctx.Conexion = std::move(base);
}

BaseDatos& ConexionAbierta(Contexto& ctx) {
    if (!ctx.Conexion) {
        throw core::Error(core::Error::ObjetoNoEstablecido, "Variable de objeto no establecida");
    }
    return *ctx.Conexion;
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
    try {
        {
            Sentencia revision(ConexionAbierta(ctx), "PRAGMA integrity_check");
            if (!revision.paso() || revision.valor(0).value_or("") != "ok") {
                throw core::Error(core::Error::ErrorBaseDatos, "La base de datos está dañada: " +
                                                                   revision.valor(0).value_or(""));
            }
        }
        std::error_code ec;
        fs::remove(ctx.rutaCopia(), ec);
        {
            Sentencia copia(*ctx.Conexion, "VACUUM INTO ?");
            copia.enlazar(1, ctx.rutaCopia());
            copia.paso();
        }
        ctx.Conexion.reset();
        fs::rename(ctx.rutaCopia(), ctx.rutaBase(), ec);
        if (ec) {
            throw core::Error(core::Error::RutaNoEncontrada, ec.message());
        }
    } catch (const core::Error& e) {
        ctx.Conexion.reset();
        if (e.numero() != core::Error::ObjetoNoEstablecido) {
            return e;
        }
    }
    return std::nullopt;
}

} // namespace store
