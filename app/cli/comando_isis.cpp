#include "app/cli/comando_isis.h"

#include "core/error.h"
#include "core/texto.h"
#include "isis/base_abierta.h"
#include "isis/formato.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ostream>

namespace app::cli {

namespace {

constexpr const char* kUso = "Uso: isis volcar RUTA | terminos RUTA | buscar RUTA EXPRESION | "
                             "formatear RUTA MFN FORMATO\n";

std::string json(std::string_view s) {
    std::string r = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\') {
            r += '\\';
            r += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
            r += escape;
        } else {
            r += c;
        }
    }
    return r + "\"";
}

std::unique_ptr<isis::BaseAbierta> abrir(const std::string& rutaDada) {
    const std::string ruta = isis::sinExtensionMst(rutaDada);
    auto base = isis::BaseAbierta::abrir(ruta);
    if (!base) {
        throw core::Error(core::Error::RutaNoEncontrada, isis::porQueNoAbre(ruta));
    }
    base->abrirInvertido(ruta);
    return base;
}

void volcar(isis::BaseAbierta& base, std::ostream& salida) {
    isis::Registro r;
    for (std::int32_t mfn = 1; mfn < base.maestro().siguienteMfn(); ++mfn) {
        base.maestro().leer(mfn, r);
        if (r.borrado) {
            continue;
        }
        salida << "{\"mfn\":" << mfn << ",\"campos\":[";
        for (std::size_t i = 0; i < r.campos.size(); ++i) {
            salida << (i == 0 ? "" : ",") << '[' << r.campos[i].tag << ','
                   << json(base.codigo().aUtf8(r.campos[i].texto)) << ']';
        }
        salida << "]}\n";
    }
}

void terminos(isis::BaseAbierta& base, std::ostream& salida) {
    base.diccionario().recorrer(
        "", [&](std::string_view clave, const std::vector<isis::Posting>& ps) {
            std::vector<std::int32_t> mfns;
            for (const isis::Posting& p : ps) {
                mfns.push_back(p.mfn);
            }
            std::sort(mfns.begin(), mfns.end());
            mfns.erase(std::unique(mfns.begin(), mfns.end()), mfns.end());
            salida << core::texto::campoTabulado(base.codigo().aUtf8(clave)) << '\t';
            for (std::size_t i = 0; i < mfns.size(); ++i) {
                salida << (i == 0 ? "" : ",") << mfns[i];
            }
            salida << '\n';
        });
}

} // namespace

int ComandoIsis(const std::vector<std::string>& args, const core::Carpetas&, std::ostream& salida,
                std::ostream& errores) {
    const std::string orden = args.empty() ? "" : args[0];
    const std::size_t esperados = orden == "volcar" || orden == "terminos" ? 2
                                  : orden == "buscar"                      ? 3
                                  : orden == "formatear"                   ? 4
                                                                           : 0;
    if (esperados == 0 || args.size() != esperados) {
        errores << kUso;
        return 1;
    }
    auto base = abrir(args[1]);
    if (orden == "volcar") {
        volcar(*base, salida);
    } else if (orden == "terminos") {
        terminos(*base, salida);
    } else if (orden == "buscar") {
        for (const std::int32_t mfn : base->buscar(args[2])) {
            salida << mfn << '\n';
        }
    } else {
        std::int32_t mfn = 0;
        const auto [fin, ec] =
            std::from_chars(args[2].data(), args[2].data() + args[2].size(), mfn);
        if (ec != std::errc{} || fin != args[2].data() + args[2].size()) {
            throw core::Error(core::Error::ArgumentoInvalido, "MFN no válido: " + args[2]);
        }
        isis::Registro r;
        base->maestro().leer(mfn, r);
        const isis::Formato formato(base->codigo().desdeUtf8(args[3]));
        salida << base->codigo().aUtf8(formato.aplicar(r, base->codigo())) << '\n';
    }
    return 0;
}

} // namespace app::cli
