#include "store/ciudades.h"

#include "core/texto.h"
#include "store/almacen.h"
#include "store/registros.h"

namespace store {

std::string SentenciaCiudades(int idProvincia) {
    return "SELECT * FROM ciudades WHERE idprovincia=" + std::to_string(idProvincia) +
           " ORDER BY nombre";
}

std::vector<Ciudad> CiudadesDeProvincia(Contexto& ctx, int idProvincia) {
    std::vector<Ciudad> ciudades;
    for (auto filas = EjecutarConsulta(ctx, SentenciaCiudades(idProvincia)); !filas->fin();
         filas->siguiente()) {
        ciudades.push_back(
            {std::stoi(filas->texto("idciudad")), core::texto::recortar(filas->texto("nombre"))});
    }
    return ciudades;
}

} // namespace store
