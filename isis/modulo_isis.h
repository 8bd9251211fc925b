#pragma once

#include "isis/isis32.h"

#include <cstdint>
#include <string>
#include <vector>

namespace isis {

// One opened ISIS database.
struct BaseIsis {
    std::string Carpeta; // folder, ending with a separator
    std::string Nombre;  // master file name without extension
    std::int32_t Espacio = 0;
};

// The module Isis: the operations the load run uses, over the call table of
// isis32.h. Texts in and out are UTF-8; the database's code page is dealt
// with inside. A database that does not open, or whose files are damaged,
// throws Error naming the file. What the module has to tell the user
// without stopping (a format that fails) it keeps in Avisos, in order, for
// the caller to show.
class ModuloIsis {
public:
    ModuloIsis() = default;
    ModuloIsis(const ModuloIsis&) = delete;
    ModuloIsis& operator=(const ModuloIsis&) = delete;

    std::vector<BaseIsis> Bases;
    std::int32_t AplicacionIsis = 0;
    std::vector<std::int32_t> ListaMfn;
    std::vector<std::string> Avisos;

    void IniciarIsis(std::int16_t n);
    void CerrarIsis();
    // Throws Error "No existe la base de datos " + the path as given, naming
    // the file that is missing, when the master file cannot be opened: a
    // database read as empty would pass for one without records.
    void AbrirBase(BaseIsis& base);
    void LeerRegistro(BaseIsis& base, std::int32_t mfn);
    std::int32_t UltimoMfn(BaseIsis& base);
    std::string LeerCampo(BaseIsis& base, std::int32_t tag, std::int32_t ocurrencia);
    // Notes "Hubo un error en el formato" and returns "" when formatting fails.
    std::string FormatearRegistro(BaseIsis& base);
    std::int32_t BuscarClave(BaseIsis& base, const std::string& clave);
    std::int32_t BuscarExpresion(BaseIsis& base, const std::string& expresion);
    // The records that hold `termino` as one key of the inverted file, never
    // read as a search expression: ListaMfn gets their MFNs in ascending
    // order followed by a 0, as a search leaves it. Returns how many.
    std::int32_t BuscarTermino(BaseIsis& base, const std::string& termino);

    // Every key that starts with `prefijo`, in the dictionary's order, with
    // the MFN BuscarClave would read for it: that of its last posting of an
    // active record. Keys of deleted records only are left out.
    struct ClaveConRegistro {
        std::string clave;
        std::int32_t mfn;
    };
    std::vector<ClaveConRegistro> ClavesConPrefijo(BaseIsis& base, const std::string& prefijo);
    // The key BuscarClave would look up for `clave`, in the form
    // ClavesConPrefijo gives keys: a key found among those is the one
    // BuscarClave finds, without a look-up in the inverted file.
    std::string ClaveBuscada(BaseIsis& base, const std::string& clave);

private:
    // The postings of one key, from the first.
    std::vector<EntradaPosting> postingsDe(BaseIsis& base, const std::string& clave);

    // The text areas the calls write into, kept between calls.
    std::vector<char> areaCampo_;
    std::vector<char> areaFormato_;
};

} // namespace isis
