#pragma once

#include <optional>
#include <string>
#include <vector>

namespace store {

struct Contexto;

// A city of the table ciudades as the school code dialog offers it.
struct Ciudad {
    std::optional<int> id; // none when the stored number is not a number
    std::string nombre;    // blanks and tabs off both ends
};

// "SELECT * FROM ciudades WHERE idprovincia=N ORDER BY nombre".
std::string SentenciaCiudades(int idProvincia);

// The cities of a province in name order, read with SentenciaCiudades
// through EjecutarConsulta. Throws Error.
std::vector<Ciudad> CiudadesDeProvincia(Contexto& ctx, int idProvincia);

} // namespace store
