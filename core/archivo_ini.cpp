#include "core/archivo_ini.h"

#include "core/perfil_privado.h"
#include "core/texto.h"

#include <utility>
#include <vector>

namespace core {

namespace {

struct Clave {
    const char* seccion;
    const char* nombre;
    std::string Archivo_Ini::*propiedad;
};

// The keys of a block, in the order they are read and written.
std::vector<Clave> clavesDelBloque(const std::string& bloque) {
    const std::string nombre = texto::mayusculasAscii(bloque);
    if (nombre == "INICIO") {
        return {{"Inicio", "CUE", &Archivo_Ini::CUE}};
    }
    if (nombre == "LINK") {
        return {{"Link", "RutaPresta", &Archivo_Ini::RutaPresta},
                {"Link", "RutaUsua", &Archivo_Ini::RutaUsua},
                {"Link", "RutaMarc", &Archivo_Ini::RutaMarc}};
    }
    if (nombre == "HELPFILE") {
        return {{"HelpFile", "Process", &Archivo_Ini::Process}};
    }
    if (nombre == "INFORMES") {
        return {{"Informes", "ResumenAlCargar", &Archivo_Ini::ResumenAlCargar}};
    }
    return {};
}

} // namespace

Archivo_Ini::Archivo_Ini(std::string carpeta) : ruta_(std::move(carpeta) + "/configuracion.ini") {}

bool Archivo_Ini::Cargar(const std::string& pBloque) {
    for (const Clave& clave : clavesDelBloque(pBloque)) {
        this->*clave.propiedad = perfil_privado::leer(clave.seccion, clave.nombre, ruta_);
    }
    return true;
}

bool Archivo_Ini::Grabar(const std::string& pBloque) {
    const std::vector<Clave> claves = clavesDelBloque(pBloque);
    if (claves.empty()) {
        return true;
    }
    std::vector<perfil_privado::Valor> valores;
    for (const Clave& clave : claves) {
        valores.push_back({clave.nombre, this->*clave.propiedad});
    }
    perfil_privado::grabar(claves.front().seccion, valores, ruta_);
    return true;
}

} // namespace core
