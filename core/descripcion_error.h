#pragma once

#include <string>
#include <string_view>

// Spanish descriptions of what the system and the store's engine report in
// English, so that no English text reaches the user. The Error that carries
// one keeps its own number.
namespace core {

// The system's reason for error number `numero` (an errno value).
std::string descripcionDelSistema(int numero);

// What the store's engine reports about the store file `ruta`: its result
// code (extended codes accepted), the system error behind it (0 when none)
// and its own message, which names the table, column or word a rejected
// statement stumbled on. Messages that are not the engine's (the program's
// own functions report in Spanish) come back unchanged.
std::string descripcionDelMotor(int codigo, int numeroSistema, std::string_view mensaje,
                                const std::string& ruta);

// Whether the engine's result code says the file is damaged or is not a store.
bool motorIndicaDano(int codigo);

// Whether the engine's result code says another program holds the store.
bool motorIndicaOcupado(int codigo);

} // namespace core
