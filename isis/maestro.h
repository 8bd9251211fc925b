#pragma once

#include "isis/archivo_mapeado.h"
#include "isis/bytes.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace isis {

// One field occurrence: its tag and its bytes, in the database's code page.
struct Campo {
    std::int32_t tag = 0;
    std::string_view texto;
};

// One record as read: its fields in directory order. A deleted or missing
// record has no fields. The texts point into the master file's bytes, so a
// record is valid while its ArchivoMaestro lives.
struct Registro {
    std::int32_t mfn = 0;
    bool borrado = false;
    std::vector<Campo> campos;
};

// The leader layouts ISIS software writes: leader length, directory entry
// length and whether lengths and positions are 32-bit.
struct DisenoMaestro {
    int leader;
    int entrada;
    bool ffi;
};

// What the cross-reference file says of an MFN.
enum class EstadoMfn { Inexistente, Activo, Borrado };

// The master file (.MST) with its cross-reference file (.XRF), read only.
// The layout (packed or aligned leader, 32-bit "FFI" records, the pointer
// shift, the byte order) is found from the files themselves.
class ArchivoMaestro {
public:
    ArchivoMaestro(ArchivoMapeado mst, ArchivoMapeado xrf);

    // The MFN the next new record would get; the highest MFN is one less.
    std::int32_t siguienteMfn() const { return siguienteMfn_; }
    EstadoMfn estado(std::int32_t mfn) const;
    // Active in the cross-reference file and not marked deleted in its leader.
    bool activo(std::int32_t mfn) const;
    // Fills `r` with record `mfn` in its newest version; a deleted or
    // missing record comes back without fields. Throws Error on damage.
    void leer(std::int32_t mfn, Registro& r) const;
    const DisenoMaestro& diseno() const { return diseno_; }
    int desplazamiento() const { return desplazamiento_; }
    const std::string& nombre() const { return mst_.nombre(); }

private:
    struct Puntero {
        EstadoMfn estado = EstadoMfn::Inexistente;
        std::uint64_t posicion = 0;
    };
    Puntero puntero(std::int32_t mfn, int desplazamiento) const;
    bool leaderValido(std::int32_t mfn, std::uint64_t posicion, const DisenoMaestro& d) const;
    void detectarDiseno(int desplazamientoDeclarado);

    // Readers made on each use: they point at the names, which move with us.
    LectorBytes lmst() const { return LectorBytes(mst_.datos(), mst_.nombre(), bigEndian_); }
    LectorBytes lxrf() const { return LectorBytes(xrf_.datos(), xrf_.nombre(), bigEndian_); }

    ArchivoMapeado mst_;
    ArchivoMapeado xrf_;
    bool bigEndian_ = false;
    std::int32_t siguienteMfn_ = 1;
    int desplazamiento_ = 0;
    DisenoMaestro diseno_{18, 6, false};
};

} // namespace isis
