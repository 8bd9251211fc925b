#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace escritor {

// One field as stored: a tag and its bytes in the database's code page.
struct CampoCrudo {
    int tag;
    std::string texto;
};

// The master file (.MST) and its cross-reference (.XRF) in the standard layout
// of DOS CDS/ISIS and WinISIS: 18-byte leaders, 512-byte blocks, pointer
// shift 0. Every change appends a new copy of the record, as ISIS does; old
// copies stay in the file as dead space.
class ArchivoMaestro {
public:
    // State of a record's cross-reference entry.
    struct Estado {
        bool nuevo = false;     // added since the last inversion
        bool pendiente = false; // changed since the last inversion
        bool borrado = false;   // logically deleted
        bool eliminado = false; // physically deleted
    };

    // Appends a copy of record `mfn` (the next MFN, or an existing one) and
    // points the cross-reference at it. `atras` is the copy the inverted file
    // still describes (0 when none), stored as the backward pointer.
    void escribir(std::int32_t mfn, const std::vector<CampoCrudo>& campos, int estadoLider,
                  std::int64_t atras);
    // Appends a copy of the current copy of `mfn` with another leader STATUS
    // (1 logically deleted), as deleting a record does.
    void copiarConEstado(std::int32_t mfn, int estadoLider);
    // Negates the length of the current copy: a lock left by a crashed editor.
    void bloquear(std::int32_t mfn);

    std::int32_t siguienteMfn() const { return static_cast<std::int32_t>(punteros_.size()) + 1; }
    // File offset of the current copy of `mfn`.
    std::int64_t posicion(std::int32_t mfn) const { return punteros_.at(mfn - 1).posicion; }
    Estado& estado(std::int32_t mfn) { return punteros_.at(mfn - 1).estado; }

    std::string contenidoMst() const;
    std::string contenidoXrf() const;

private:
    // Where the next copy starts: on an even byte, never in a block's last 14 bytes.
    std::int64_t abrirCopia();
    std::uint16_t leer16(std::size_t pos) const;

    struct Puntero {
        std::int64_t posicion = 0;
        Estado estado;
    };
    std::string mst_ = std::string(64, '\0'); // the control record's 64 bytes come first
    std::vector<Puntero> punteros_;
};

} // namespace escritor
