#pragma once

#include "tools/escritor/fst.h"
#include "tools/escritor/invertido.h"
#include "tools/escritor/maestro.h"
#include "tools/escritor/pagina_escrita.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace escritor {

// A field of a record to write; the text is UTF-8 (or raw bytes with
// PaginaEscrita::SinConvertir).
struct Campo {
    int tag = 0;
    std::string texto;
};
using Registro = std::vector<Campo>;

struct OpcionesEscritor {
    PaginaEscrita codigoPagina = PaginaEscrita::Cp850;
    // Written as the .FST and used to index every record the inverted file covers.
    std::vector<LineaFst> fst{};
    FormaInvertido forma{};
};

// Writes a complete CDS/ISIS database the way DOS CDS/ISIS and WinISIS leave
// it: .MST, .XRF, .CNT, .N01, .N02, .L01, .L02, .IFP and .FST, in the packed
// little-endian layout. Only for tests and tools: the program never writes
// ISIS files.
//
//     EscritorIsis esc("/tmp/x/LIBROS", {.fst = {{.id = 1, .tag = 10}}});
//     esc.agregar({{10, "Historia"}, {20, "^aGarcía^bAna"}});
//     esc.agregarClave("I:123", {.mfn = 1});
//     esc.cerrar();
//
// Nothing reaches the disk before cerrar(), which writes every file at once.
class EscritorIsis {
public:
    explicit EscritorIsis(std::string rutaSinExtension, OpcionesEscritor opciones = {});

    // A new active record, indexed by the field-select table; returns its MFN.
    std::int32_t agregar(const Registro& registro);
    // A record added since the last inversion: flagged new, with no postings.
    std::int32_t agregarSinInvertir(const Registro& registro);
    // Writes a new copy of the record. When the inverted file was updated the
    // keys follow the new copy; with `inversionPendiente` they stay those of
    // the copy last inverted, the cross-reference carries the pending flag and
    // the new copy points back to that one.
    void modificar(std::int32_t mfn, const Registro& registro, bool inversionPendiente = false);
    // Logically deleted: a new copy with STATUS 1 and a negative pointer. Its
    // postings stay until a new inversion, as in ISIS.
    void borrar(std::int32_t mfn);
    // Physically deleted, as a reorganisation leaves it: no data, no postings.
    void eliminar(std::int32_t mfn);
    // The lock mark (negative length) a crashed editor leaves on the current copy.
    void bloquear(std::int32_t mfn);

    // A key of our own besides the table's, made as the inversion makes keys.
    void agregarClave(std::string_view clave, Posting posting);

    std::int32_t siguienteMfn() const { return maestro_.siguienteMfn(); }
    // Writes every file; the writer takes nothing afterwards. Throws Error(75)
    // when a file cannot be written.
    void cerrar();

private:
    std::int32_t agregarCopia(const Registro& registro, bool invertido);
    std::vector<CampoCrudo> codificarRegistro(const Registro& registro) const;
    void indexar(std::int32_t mfn, const std::vector<CampoCrudo>& campos);
    void comprobarVigente(std::int32_t mfn);
    void escribirArchivo(const std::string& extension, const std::string& contenido) const;

    std::string ruta_;
    OpcionesEscritor opciones_;
    ArchivoMaestro maestro_;
    // Keys with the inversion that made them (0: given by agregarClave); a
    // record's keys count only while that inversion is the record's latest.
    std::vector<EntradaInvertida> claves_;
    std::vector<std::uint32_t> inversionDeClave_;
    std::vector<std::uint32_t> ultimaInversion_; // per MFN
    std::vector<std::int64_t> copiaInvertida_;   // per MFN, 0 when none
    std::uint32_t inversiones_ = 0;
    bool cerrado_ = false;
};

} // namespace escritor
