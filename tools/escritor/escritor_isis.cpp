#include "tools/escritor/escritor_isis.h"

#include "core/error.h"

#include <fstream>

namespace escritor {

EscritorIsis::EscritorIsis(std::string rutaSinExtension, OpcionesEscritor opciones)
    : ruta_(std::move(rutaSinExtension)), opciones_(std::move(opciones)) {
    for (const LineaFst& l : opciones_.fst) {
        if (l.id < 1 || l.id > 65535 || l.tag < 1 || l.tag > 65535) {
            throw core::Error(core::Error::ArgumentoInvalido,
                              "Línea de FST inválida: " + textoFst(l));
        }
    }
}

std::vector<CampoCrudo> EscritorIsis::codificarRegistro(const Registro& registro) const {
    if (cerrado_) {
        throw core::Error(core::Error::ArgumentoInvalido, "La base " + ruta_ + " ya fue cerrada");
    }
    std::vector<CampoCrudo> campos;
    campos.reserve(registro.size());
    for (const Campo& c : registro) {
        if (c.tag < 1 || c.tag > 65535) {
            throw core::Error(core::Error::ArgumentoInvalido,
                              "Etiqueta de campo inválida: " + std::to_string(c.tag));
        }
        campos.push_back({c.tag, codificar(c.texto, opciones_.codigoPagina)});
    }
    return campos;
}

void EscritorIsis::indexar(std::int32_t mfn, const std::vector<CampoCrudo>& campos) {
    const std::uint32_t inversion = ++inversiones_;
    for (const LineaFst& l : opciones_.fst) {
        clavesDeLinea(l, mfn, campos, opciones_.codigoPagina, [&](EntradaInvertida e) {
            claves_.push_back(std::move(e));
            inversionDeClave_.push_back(inversion);
        });
    }
    ultimaInversion_[static_cast<std::size_t>(mfn - 1)] = inversion;
    copiaInvertida_[static_cast<std::size_t>(mfn - 1)] = maestro_.posicion(mfn);
}

std::int32_t EscritorIsis::agregar(const Registro& registro) {
    return agregarCopia(registro, true);
}

std::int32_t EscritorIsis::agregarSinInvertir(const Registro& registro) {
    return agregarCopia(registro, false);
}

std::int32_t EscritorIsis::agregarCopia(const Registro& registro, bool invertido) {
    const auto campos = codificarRegistro(registro);
    const std::int32_t mfn = maestro_.siguienteMfn();
    maestro_.escribir(mfn, campos, 0, 0);
    ultimaInversion_.push_back(0);
    copiaInvertida_.push_back(0);
    if (invertido) {
        indexar(mfn, campos);
    } else {
        maestro_.estado(mfn).nuevo = true;
    }
    return mfn;
}

void EscritorIsis::comprobarVigente(std::int32_t mfn) {
    if (mfn < 1 || mfn >= maestro_.siguienteMfn()) {
        throw core::Error(core::Error::ArgumentoInvalido,
                          "No existe el registro " + std::to_string(mfn));
    }
    const auto& e = maestro_.estado(mfn);
    if (e.borrado || e.eliminado) {
        throw core::Error(core::Error::ArgumentoInvalido,
                          "El registro " + std::to_string(mfn) + " está borrado");
    }
}

void EscritorIsis::modificar(std::int32_t mfn, const Registro& registro, bool inversionPendiente) {
    comprobarVigente(mfn);
    const auto campos = codificarRegistro(registro);
    auto& estado = maestro_.estado(mfn);
    if (estado.nuevo) {
        maestro_.escribir(mfn, campos, 0, 0); // still waiting for its first inversion
    } else if (inversionPendiente) {
        maestro_.escribir(mfn, campos, 0, copiaInvertida_[static_cast<std::size_t>(mfn - 1)]);
        maestro_.estado(mfn).pendiente = true;
    } else {
        maestro_.escribir(mfn, campos, 0, 0);
        maestro_.estado(mfn).pendiente = false;
        indexar(mfn, campos);
    }
}

void EscritorIsis::borrar(std::int32_t mfn) {
    comprobarVigente(mfn);
    maestro_.copiarConEstado(mfn, 1);
    maestro_.estado(mfn).borrado = true;
}

void EscritorIsis::eliminar(std::int32_t mfn) {
    comprobarVigente(mfn);
    maestro_.estado(mfn) = {.eliminado = true};
    ultimaInversion_[static_cast<std::size_t>(mfn - 1)] = 0;
}

void EscritorIsis::bloquear(std::int32_t mfn) {
    comprobarVigente(mfn);
    maestro_.bloquear(mfn);
}

void EscritorIsis::agregarClave(std::string_view clave, Posting posting) {
    std::string c =
        normalizarClave("", codificar(clave, opciones_.codigoPagina), opciones_.codigoPagina);
    if (c.empty()) {
        throw core::Error(core::Error::ArgumentoInvalido,
                          "Clave vacía para el registro " + std::to_string(posting.mfn));
    }
    claves_.push_back({std::move(c), posting});
    inversionDeClave_.push_back(0);
}

void EscritorIsis::escribirArchivo(const std::string& extension,
                                   const std::string& contenido) const {
    const std::string ruta = ruta_ + extension;
    std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
    f.write(contenido.data(), static_cast<std::streamsize>(contenido.size()));
    f.close();
    if (!f) {
        throw core::Error(core::Error::ErrorArchivo, "No se pudo escribir " + ruta);
    }
}

void EscritorIsis::cerrar() {
    if (cerrado_) {
        return;
    }
    cerrado_ = true;
    // Keys of copies that a later inversion replaced, or of records removed, go.
    std::size_t quedan = 0;
    for (std::size_t i = 0; i < claves_.size(); ++i) {
        const std::uint32_t inversion = inversionDeClave_[i];
        const auto mfn = static_cast<std::size_t>(claves_[i].posting.mfn);
        if (inversion == 0 || ultimaInversion_[mfn - 1] == inversion) {
            if (quedan != i) {
                claves_[quedan] = std::move(claves_[i]);
            }
            ++quedan;
        }
    }
    claves_.resize(quedan);
    inversionDeClave_.clear();
    const ArchivosInvertidos inv = construirInvertido(std::move(claves_), opciones_.forma);
    claves_.clear();

    std::string fst;
    for (const LineaFst& l : opciones_.fst) {
        fst += codificar(textoFst(l), opciones_.codigoPagina) + "\r\n";
    }
    escribirArchivo(".MST", maestro_.contenidoMst());
    escribirArchivo(".XRF", maestro_.contenidoXrf());
    escribirArchivo(".CNT", inv.cnt);
    escribirArchivo(".N01", inv.n01);
    escribirArchivo(".N02", inv.n02);
    escribirArchivo(".L01", inv.l01);
    escribirArchivo(".L02", inv.l02);
    escribirArchivo(".IFP", inv.ifp);
    escribirArchivo(".FST", fst);
}

} // namespace escritor
