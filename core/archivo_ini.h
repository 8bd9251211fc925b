#pragma once

#include <string>

namespace core {

// The program's settings in configuracion.ini, loaded and saved one block at a
// time: "INICIO" (CUE), "LINK" (the three database paths), "HELPFILE" (Process),
// "INFORMES" (ResumenAlCargar).
// Block names compare case-insensitively; other names load and save nothing.
class Archivo_Ini {
public:
    // The application folder, which holds configuracion.ini.
    explicit Archivo_Ini(std::string carpeta);

    bool Cargar(const std::string& pBloque);
    // Saves the block's keys in one step: a save that fails leaves the file
    // as it was and throws Error(ErrorArchivo) naming it.
    bool Grabar(const std::string& pBloque);

    std::string CUE;
    std::string Process;
    std::string RutaPresta;
    std::string RutaUsua;
    std::string RutaMarc;
    // "SI" when the summary opens by itself after each successful load.
    std::string ResumenAlCargar;

    const std::string& ruta() const { return ruta_; }

private:
    std::string ruta_;
};

} // namespace core
