#pragma once

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

// The module Isis: the nine operations the load run uses, over the call table
// of isis32.h. Texts in and out are UTF-8; the database's code page is dealt
// with inside. Corrupt files throw Error naming the file. What the module
// has to tell the user without stopping (a database that does not open, a
// format that fails) it keeps in Avisos, in order, for the caller to show.
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
    // Notes "No existe la base de datos " + the upper-cased path when the
    // master file cannot be opened, and attaches nothing.
    void AbrirBase(BaseIsis& base);
    void LeerRegistro(BaseIsis& base, std::int32_t mfn);
    std::int32_t UltimoMfn(BaseIsis& base);
    std::string LeerCampo(BaseIsis& base, std::int32_t tag, std::int32_t ocurrencia);
    // Notes "Hubo un error en el formato" and returns "" when formatting fails.
    std::string FormatearRegistro(BaseIsis& base);
    std::int32_t BuscarClave(BaseIsis& base, const std::string& clave);
    std::int32_t BuscarExpresion(BaseIsis& base, const std::string& expresion);

private:
    // The text areas the calls write into, kept between calls.
    std::vector<char> areaCampo_;
    std::vector<char> areaFormato_;
};

} // namespace isis
