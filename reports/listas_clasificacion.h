#pragma once

#include <string>
#include <vector>

// The fixed vocabularies every report's filter panel offers. Positions matter:
// position 0 of each list means "no filter", and grade headings are known by
// their position, never by their text.
namespace reports::listas {

// The seven member types; the text itself is compared with tipo_usu.
const std::vector<std::string>& TiposUsuario();
// The 45 level and grade items.
const std::vector<std::string>& Grados();
// "TODOS" and the 60 subjects, compared with tematica.
const std::vector<std::string>& Tematicas();

// True at the positions of the nine level headings.
bool esEncabezadoNivel(int posicion);
// The level digit of a heading position ('0' to '8').
char digitoNivel(int posicionEncabezado);
// The two-digit code of a grade item: characters 3 and 4 of its text.
std::string codigoGrado(int posicion);

} // namespace reports::listas
