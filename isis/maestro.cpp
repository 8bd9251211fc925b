#include "isis/maestro.h"

#include <algorithm>
#include <array>

namespace isis {

namespace {

constexpr std::uint64_t kBloque = 512;
constexpr std::array<DisenoMaestro, 4> kDisenos{{
    {18, 6, false}, // DOS ISIS, WinISIS, IsisMarc, CISIS packed
    {20, 6, false}, // CISIS aligned (Linux)
    {22, 10, true}, // CISIS big records, packed
    {24, 12, true}, // CISIS big records, aligned
}};
// How many records the layout detection looks at.
constexpr int kMuestraDiseno = 8;

// The byte order is the one in which the cross-reference file's first word
// is ±1 and the control record is plausible.
bool esBigEndian(std::string_view xrf, std::string_view mst) {
    if (xrf.size() < 4 || mst.size() < 16) {
        return false;
    }
    const std::string n;
    const LectorBytes le(xrf, n, false);
    const LectorBytes be(xrf, n, true);
    const auto abs1 = [](std::int32_t v) { return v == 1 || v == -1; };
    if (abs1(le.i32(0)) && !abs1(be.i32(0))) {
        return false;
    }
    if (abs1(be.i32(0)) && !abs1(le.i32(0))) {
        return true;
    }
    const LectorBytes mbe(mst, n, true);
    const std::int64_t bloques = static_cast<std::int64_t>(mst.size() / kBloque) + 1;
    const std::int32_t nxtmfb = mbe.i32(8);
    return mbe.i32(0) == 0 && mbe.i32(4) >= 1 && nxtmfb >= 0 && nxtmfb <= bloques + 2 &&
           LectorBytes(mst, n, false).i32(4) > 0x00FFFFFF;
}

} // namespace

ArchivoMaestro::ArchivoMaestro(ArchivoMapeado mst, ArchivoMapeado xrf)
    : mst_(std::move(mst)), xrf_(std::move(xrf)),
      bigEndian_(esBigEndian(xrf_.datos(), mst_.datos())) {
    const LectorBytes lm = lmst();
    if (lm.tamano() < 32) {
        lm.danado("no tiene registro de control");
    }
    if (lm.i32(0) != 0) {
        lm.danado("el registro de control no empieza con 0");
    }
    siguienteMfn_ = lm.i32(4);
    if (siguienteMfn_ < 1) {
        lm.danado("el próximo MFN del registro de control es " + std::to_string(siguienteMfn_));
    }
    // Every MFN below the next one has its slot in the cross-reference file:
    // a shorter file was cut, and records would silently go missing.
    const auto ultimo = static_cast<std::uint64_t>(siguienteMfn_ - 1);
    if (ultimo > 0 &&
        !lxrf().cabe((ultimo - 1) / 127 * kBloque + 4 + 4 * ((ultimo - 1) % 127), 4)) {
        lxrf().danado("no llega al MFN " + std::to_string(ultimo) + ", el último del archivo " +
                      mst_.nombre());
    }
    const int declarado = lm.u16(14) >> 8;
    if (declarado > 6) {
        lm.danado("desplazamiento de punteros " + std::to_string(declarado) + " no admitido");
    }
    detectarDiseno(declarado);
}

ArchivoMaestro::Puntero ArchivoMaestro::puntero(std::int32_t mfn, int desplazamiento) const {
    const LectorBytes lx = lxrf();
    Puntero p;
    if (mfn < 1 || mfn >= siguienteMfn_) {
        return p;
    }
    const auto indice = static_cast<std::uint64_t>(mfn - 1);
    const std::uint64_t bloque = indice / 127;
    const std::uint64_t lugar = bloque * kBloque + 4 + 4 * (indice % 127);
    if (!lx.cabe(lugar, 4)) {
        return p;
    }
    const std::int32_t numero = lx.i32(bloque * kBloque);
    if (numero != static_cast<std::int64_t>(bloque) + 1 &&
        numero != -(static_cast<std::int64_t>(bloque) + 1)) {
        lx.danado("el bloque " + std::to_string(bloque + 1) + " lleva el número " +
                  std::to_string(numero));
    }
    const std::int32_t valor = lx.i32(lugar);
    if (valor == 0) {
        return p;
    }
    const std::int64_t a = valor < 0 ? -static_cast<std::int64_t>(valor) : valor;
    const std::int64_t bloqueMst = a / (2048 >> desplazamiento);
    const std::int64_t desplazado = (a % (512 >> desplazamiento)) << desplazamiento;
    if (valor < 0) {
        // Logically or physically deleted: no current data either way.
        p.estado = EstadoMfn::Borrado;
        return p;
    }
    if (bloqueMst < 1) {
        lx.danado("el MFN " + std::to_string(mfn) + " apunta al bloque 0");
    }
    p.estado = EstadoMfn::Activo;
    p.posicion = static_cast<std::uint64_t>(bloqueMst - 1) * kBloque +
                 static_cast<std::uint64_t>(desplazado);
    return p;
}

bool ArchivoMaestro::leaderValido(std::int32_t mfn, std::uint64_t posicion,
                                  const DisenoMaestro& d) const {
    const LectorBytes lm = lmst();
    const auto largo = static_cast<std::uint64_t>(d.leader);
    if (!lm.cabe(posicion, largo)) {
        return false;
    }
    if (lm.i32(posicion) != mfn) {
        return false;
    }
    const std::uint64_t base = d.ffi ? static_cast<std::uint32_t>(lm.i32(posicion + largo - 8))
                                     : lm.u16(posicion + largo - 6);
    const std::uint64_t nvf = lm.u16(posicion + largo - 4);
    return base == largo + nvf * static_cast<std::uint64_t>(d.entrada);
}

void ArchivoMaestro::detectarDiseno(int declarado) {
    const LectorBytes lm = lmst();
    const LectorBytes lx = lxrf();
    // A stored shift 4 means 3 for some older writers: try both.
    std::vector<int> desplazamientos{declarado};
    if (declarado == 4) {
        desplazamientos.push_back(3);
    }
    // MFNs past the cross-reference file have no record: never look beyond.
    const std::int64_t ranuras = static_cast<std::int64_t>(lx.tamano() / kBloque + 1) * 127;
    const auto ultimoPosible =
        static_cast<std::int32_t>(std::min<std::int64_t>(siguienteMfn_, ranuras + 1));
    for (const int s : desplazamientos) {
        for (const DisenoMaestro& d : kDisenos) {
            int probados = 0;
            bool valido = true;
            for (std::int32_t mfn = 1; mfn < ultimoPosible && probados < kMuestraDiseno; ++mfn) {
                const Puntero p = puntero(mfn, s);
                if (p.estado != EstadoMfn::Activo) {
                    continue;
                }
                ++probados;
                if (!leaderValido(mfn, p.posicion, d)) {
                    valido = false;
                    break;
                }
            }
            if (valido) {
                diseno_ = d;
                desplazamiento_ = s;
                return;
            }
        }
    }
    lm.danado("ningún formato de registro conocido coincide con sus registros");
}

EstadoMfn ArchivoMaestro::estado(std::int32_t mfn) const {
    return puntero(mfn, desplazamiento_).estado;
}

bool ArchivoMaestro::activo(std::int32_t mfn) const {
    const LectorBytes lm = lmst();
    const Puntero p = puntero(mfn, desplazamiento_);
    return p.estado == EstadoMfn::Activo && leaderValido(mfn, p.posicion, diseno_) &&
           lm.u16(p.posicion + static_cast<std::uint64_t>(diseno_.leader) - 2) == 0;
}

void ArchivoMaestro::leer(std::int32_t mfn, Registro& r) const {
    const LectorBytes lm = lmst();
    r.mfn = mfn;
    r.borrado = true;
    r.campos.clear();
    const Puntero p = puntero(mfn, desplazamiento_);
    if (p.estado != EstadoMfn::Activo) {
        return;
    }
    const auto leader = static_cast<std::uint64_t>(diseno_.leader);
    // Named only when something is wrong with it.
    const auto donde = [mfn] { return "registro " + std::to_string(mfn); };
    if (!leaderValido(mfn, p.posicion, diseno_)) {
        lm.danado(donde() + " con cabecera inválida en la posición " + std::to_string(p.posicion));
    }
    const std::uint64_t pos = p.posicion;
    std::int64_t mfrl = diseno_.ffi ? lm.i32(pos + 4) : lm.i16(pos + 4);
    mfrl = mfrl < 0 ? -mfrl : mfrl; // negative: a lock left behind
    const std::uint64_t base = diseno_.ffi ? static_cast<std::uint32_t>(lm.i32(pos + leader - 8))
                                           : lm.u16(pos + leader - 6);
    const std::uint64_t nvf = lm.u16(pos + leader - 4);
    const std::uint16_t status = lm.u16(pos + leader - 2);
    const auto largo = static_cast<std::uint64_t>(mfrl);
    if (largo < base || !lm.cabe(pos, largo)) {
        lm.danado(donde() + " de largo " + std::to_string(largo) + " fuera del archivo");
    }
    if (status != 0) {
        return;
    }
    r.borrado = false;
    r.campos.reserve(nvf);
    const auto entrada = static_cast<std::uint64_t>(diseno_.entrada);
    for (std::uint64_t i = 0; i < nvf; ++i) {
        const std::uint64_t e = pos + leader + i * entrada;
        const std::uint16_t tag = lm.u16(e);
        std::uint64_t posicion = 0;
        std::uint64_t largoCampo = 0;
        if (diseno_.ffi) {
            const std::uint64_t relleno = entrada == 12 ? 2 : 0;
            posicion = static_cast<std::uint32_t>(lm.i32(e + 2 + relleno));
            largoCampo = static_cast<std::uint32_t>(lm.i32(e + 6 + relleno));
        } else {
            posicion = lm.u16(e + 2);
            largoCampo = lm.u16(e + 4);
        }
        if (base + posicion + largoCampo > largo) {
            lm.danado(donde() + ": el campo " + std::to_string(tag) + " sale del registro");
        }
        r.campos.push_back(Campo{tag, lm.trozo(pos + base + posicion, largoCampo)});
    }
}

} // namespace isis
