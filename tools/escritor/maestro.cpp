#include "tools/escritor/maestro.h"

#include "core/error.h"
#include "tools/escritor/bytes_isis.h"

#include <cstdlib>

namespace escritor {

namespace {

constexpr std::int64_t kBloque = 512;
constexpr std::int64_t kLider = 18;
// A record never starts in the last bytes of a block, so its leader up to
// BASE is never split.
constexpr std::int64_t kUltimoInicio = kBloque - 14;
constexpr std::int64_t kLargoMaximo = 32767;
// The cross-reference pointer keeps the block number in 21 bits.
constexpr std::int64_t kBloquesMaximos = (std::int64_t{1} << 20) - 1;

} // namespace

void ArchivoMaestro::escribir(std::int32_t mfn, const std::vector<CampoCrudo>& campos,
                              int estadoLider, std::int64_t atras) {
    if (mfn < 1 || mfn > siguienteMfn()) {
        throw core::Error(core::Error::ArgumentoInvalido,
                          "MFN fuera de rango: " + std::to_string(mfn));
    }
    std::int64_t datos = 0;
    for (const CampoCrudo& c : campos) {
        datos += static_cast<std::int64_t>(c.texto.size());
    }
    const std::int64_t base = kLider + 6 * static_cast<std::int64_t>(campos.size());
    std::int64_t largo = base + datos;
    largo += largo % 2; // records keep an even length
    if (largo > kLargoMaximo) {
        throw core::Error(core::Error::ArgumentoInvalido,
                          "El registro " + std::to_string(mfn) + " no cabe en un registro ISIS");
    }

    const std::int64_t inicio = abrirCopia();

    using namespace bytes_isis;
    std::string& m = mst_;
    agregar32(m, mfn);
    agregar16(m, static_cast<int>(largo));
    agregar32(m, atras == 0 ? 0 : static_cast<std::int32_t>(atras / kBloque + 1));
    agregar16(m, atras == 0 ? 0 : static_cast<int>(atras % kBloque));
    agregar16(m, static_cast<int>(base));
    agregar16(m, static_cast<int>(campos.size()));
    agregar16(m, estadoLider);
    std::int64_t pos = 0;
    for (const CampoCrudo& c : campos) {
        agregar16(m, c.tag);
        agregar16(m, static_cast<int>(pos));
        agregar16(m, static_cast<int>(c.texto.size()));
        pos += static_cast<std::int64_t>(c.texto.size());
    }
    for (const CampoCrudo& c : campos) {
        m += c.texto;
    }
    if ((base + datos) % 2 != 0) {
        m += ' ';
    }

    if (mfn == siguienteMfn()) {
        punteros_.emplace_back();
    }
    punteros_[static_cast<std::size_t>(mfn - 1)].posicion = inicio;
}

std::int64_t ArchivoMaestro::abrirCopia() {
    std::int64_t inicio = static_cast<std::int64_t>(mst_.size());
    inicio += inicio % 2;
    if (inicio % kBloque > kUltimoInicio) {
        inicio = (inicio / kBloque + 1) * kBloque;
    }
    if (inicio / kBloque >= kBloquesMaximos) {
        throw core::Error(core::Error::ArgumentoInvalido,
                          "El archivo maestro supera el tamaño de ISIS");
    }
    mst_.resize(static_cast<std::size_t>(inicio), '\0');
    return inicio;
}

std::uint16_t ArchivoMaestro::leer16(std::size_t pos) const {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(mst_[pos]) |
                                      static_cast<unsigned char>(mst_[pos + 1]) << 8);
}

void ArchivoMaestro::copiarConEstado(std::int32_t mfn, int estadoLider) {
    const auto desde = static_cast<std::size_t>(posicion(mfn));
    const auto largo =
        static_cast<std::size_t>(std::abs(static_cast<std::int16_t>(leer16(desde + 4))));
    const auto inicio = static_cast<std::size_t>(abrirCopia());
    const std::string copia = mst_.substr(desde, largo);
    mst_ += copia;
    bytes_isis::ponerLE(mst_, inicio + 4, static_cast<std::uint32_t>(largo), 2);
    bytes_isis::ponerLE(mst_, inicio + 6, 0, 4); // no backward pointer
    bytes_isis::ponerLE(mst_, inicio + 10, 0, 2);
    bytes_isis::ponerLE(mst_, inicio + 16, static_cast<std::uint32_t>(estadoLider), 2);
    punteros_[static_cast<std::size_t>(mfn - 1)].posicion = static_cast<std::int64_t>(inicio);
}

void ArchivoMaestro::bloquear(std::int32_t mfn) {
    const auto pos = static_cast<std::size_t>(posicion(mfn)) + 4;
    const std::int16_t largo = static_cast<std::int16_t>(leer16(pos));
    bytes_isis::ponerLE(mst_, pos, static_cast<std::uint32_t>(-std::abs(largo)), 2);
}

std::string ArchivoMaestro::contenidoMst() const {
    const auto fin = static_cast<std::int64_t>(mst_.size());
    const std::int64_t bloque = fin / kBloque + 1; // block of the first free byte
    std::string r = mst_;
    r.resize(static_cast<std::size_t>(bloque * kBloque), '\0');
    using bytes_isis::ponerLE;
    ponerLE(r, 0, 0, 4);
    ponerLE(r, 4, static_cast<std::uint32_t>(siguienteMfn()), 4);
    ponerLE(r, 8, static_cast<std::uint32_t>(bloque), 4);
    ponerLE(r, 12, static_cast<std::uint32_t>(fin % kBloque + 1), 2); // counted from 1
    return r;
}

std::string ArchivoMaestro::contenidoXrf() const {
    const std::size_t bloques = punteros_.empty() ? 1 : (punteros_.size() + 126) / 127;
    std::string r(bloques * kBloque, '\0');
    for (std::size_t b = 0; b < bloques; ++b) {
        const auto numero = static_cast<std::int32_t>(b + 1);
        bytes_isis::ponerLE(r, b * kBloque,
                            static_cast<std::uint32_t>(b + 1 == bloques ? -numero : numero), 4);
    }
    for (std::size_t i = 0; i < punteros_.size(); ++i) {
        const Puntero& p = punteros_[i];
        std::int64_t valor = 0;
        if (p.estado.eliminado) {
            valor = -2048; // block 1, offset 0: nothing left to read
        } else {
            valor = (p.posicion / kBloque + 1) * 2048 + p.posicion % kBloque;
            valor += p.estado.nuevo ? 1024 : 0;
            valor += p.estado.pendiente ? 512 : 0;
            valor = p.estado.borrado ? -valor : valor;
        }
        bytes_isis::ponerLE(r, (i / 127) * kBloque + 4 + 4 * (i % 127),
                            static_cast<std::uint32_t>(valor), 4);
    }
    return r;
}

} // namespace escritor
