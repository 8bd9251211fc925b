#pragma once

#include "core/reloj.h"
#include "store/contexto.h"
#include "tests/apoyo/carpeta_temporal.h"

#include <map>
#include <string>
#include <vector>

namespace prueba {

// A store in a temporary application folder, opened, with a fixed today.
struct AlmacenDePrueba {
    CarpetaTemporal carpeta;
    core::RelojFijo reloj{
        core::Fecha{std::chrono::year{2026}, std::chrono::month{5}, std::chrono::day{20}}};
    store::Contexto ctx{carpeta.ruta(), reloj};

    AlmacenDePrueba();
    // Appends one presta row; columns not given stay NULL.
    void agregar(const std::map<std::string, std::string>& fila);
    // Runs a statement through EjecutarConsulta and returns every row, NULL as "<null>".
    std::vector<std::vector<std::string>> filas(const std::string& sql);
};

} // namespace prueba
