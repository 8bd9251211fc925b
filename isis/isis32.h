#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace isis {

// The ISIS access calls, over integer handles: an application holds spaces,
// a space holds one database (master file, inverted file, field-select
// table, display format) and its current record in slot 0. Texts going in
// (paths, formats, keys, expressions) are UTF-8; field and format texts
// coming out are bytes in the database's code page, which IsisSpaTexto
// decodes. Damaged files throw Error naming the file.

// Control record: word 1 is the next free MFN.
struct RegistroControl {
    std::int32_t palabras[8] = {};
};
// Term-read record: the key, 31 characters, blank-padded.
struct LecturaTermino {
    std::string clave;
};
// One posting as the calls give it: word 1 is the MFN (20 bytes).
struct EntradaPosting {
    std::int32_t clave = 0;
    std::int32_t mfn = 0;
    std::int32_t tag = 0;
    std::int32_t ocurrencia = 0;
    std::int32_t contador = 0;
};
static_assert(sizeof(EntradaPosting) == 20);
// Search header: word 1 is the number of records found.
struct CabeceraBusqueda {
    std::int32_t palabras[4] = {};
};

std::int32_t IsisAppNew();
std::int32_t IsisAppDebug(std::int32_t aplicacion, std::int32_t nivel);
std::int32_t IsisSpaNew(std::int32_t aplicacion);
// 0 when the master file is open; -1 when it (or its .XRF) is missing.
std::int32_t IsisSpaMf(std::int32_t espacio, const std::string& ruta);
std::int32_t IsisSpaIf(std::int32_t espacio, const std::string& ruta);
// "@" + path of the field-select table, used when there is no inverted file.
std::int32_t IsisSpaFst(std::int32_t espacio, const std::string& fst);
// The format text, or "@" + the database path for its .PFT file.
std::int32_t IsisSpaPft(std::int32_t espacio, const std::string& formato);
// 0 for an active record; otherwise the slot is left without fields.
std::int32_t IsisRecRead(std::int32_t espacio, std::int32_t slot, std::int32_t mfn);
std::int32_t IsisRecControlMap(std::int32_t espacio, RegistroControl& control);
// The occurrence's bytes followed by a NUL (cut to fit `tamano`); returns
// the bytes written with the NUL, 0 when the occurrence does not exist.
std::int32_t IsisRecField(std::int32_t espacio, std::int32_t slot, std::int32_t tag,
                          std::int32_t ocurrencia, char* area, std::int32_t tamano);
// The current record through the format last set (cut to fit); returns the
// bytes written. Throws Error when the format cannot be run.
std::int32_t IsisRecFormat(std::int32_t espacio, std::int32_t slot, char* area,
                           std::int32_t tamano);
// Number of postings (of active records) of the key; 0 when absent.
std::int32_t IsisTrmReadMap(std::int32_t espacio, std::int32_t slot, LecturaTermino& termino);
// The key as IsisTrmReadMap looks it up and IsisTrmRecorrer gives it;
// empty when the space has no database.
std::string IsisTrmClave(std::int32_t espacio, std::int32_t slot, const std::string& clave);
// Postings primero .. primero + cantidad - 1 (from 1) of the key last read.
std::int32_t IsisTrmPostingMap(std::int32_t espacio, std::int32_t slot, std::int32_t primero,
                               std::int32_t cantidad, EntradaPosting* tabla);
// Every key of the database that starts with `prefijo` (UTF-8), in the
// dictionary's order: the key decoded to UTF-8 and the postings of its active
// records (a key with none is left out). Returns the keys visited, -1 when
// the space has no database.
using VisitaTermino =
    std::function<void(const std::string& clave, const std::vector<EntradaPosting>& postings)>;
std::int32_t IsisTrmRecorrer(std::int32_t espacio, std::int32_t slot, const std::string& prefijo,
                             const VisitaTermino& visita);
std::int32_t IsisSrcSearch(std::int32_t espacio, std::int32_t slot, const std::string& expresion,
                           CabeceraBusqueda& cabecera);
// MFNs primero .. primero + cantidad - 1 (from 1) of the application's last search.
std::int32_t IsisSrcMfnMap(std::int32_t aplicacion, std::int32_t slot, std::int32_t busqueda,
                           std::int32_t primero, std::int32_t cantidad, std::int32_t* mfns);
std::int32_t IsisSpaDelete(std::int32_t espacio);
std::int32_t IsisAppDelete(std::int32_t aplicacion);

// Bytes of the space's database decoded to UTF-8 (its code page).
std::string IsisSpaTexto(std::int32_t espacio, std::string_view bytes);

} // namespace isis
