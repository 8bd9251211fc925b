#include "store/ciudades.h"

#include "core/texto.h"
#include "store/almacen.h"
#include "store/registros.h"

#include <charconv>

namespace store {

std::string SentenciaCiudades(int idProvincia) {
    return "SELECT * FROM ciudades WHERE idprovincia=" + std::to_string(idProvincia) +
           " ORDER BY nombre";
}

namespace {

std::optional<int> numero(const std::string& texto) {
    const std::string limpio = core::texto::recortar(texto);
    int n = 0;
    const auto [fin, ec] = std::from_chars(limpio.data(), limpio.data() + limpio.size(), n);
    if (ec != std::errc() || fin != limpio.data() + limpio.size() || limpio.empty()) {
        return std::nullopt;
    }
    return n;
}

} // namespace

std::vector<Ciudad> CiudadesDeProvincia(Contexto& ctx, int idProvincia) {
    std::vector<Ciudad> ciudades;
    for (auto filas = EjecutarConsulta(ctx, SentenciaCiudades(idProvincia)); !filas->fin();
         filas->siguiente()) {
        ciudades.push_back(
            {numero(filas->texto("idciudad")), core::texto::recortar(filas->texto("nombre"))});
    }
    return ciudades;
}

} // namespace store
