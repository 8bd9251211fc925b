#pragma once

#include "tests/carga/entorno_carga.h"

#include <chrono>
#include <string>
#include <sys/types.h>

namespace prueba {

// Loans enough for a load run with distinct reading and writing phases: each
// loan names one of a few hundred members and one of a thousand copies.
BasesPrueba basesGrandes(int prestamos);

// The result of the store's integrity check ("ok" for a sound store),
// opened as a program starting would open it (a left journal rolled back).
std::string integridad(const std::string& rutaBase);

// Texts of the engine and the system that must never reach the user.
bool hablaIngles(const std::string& mensaje);

// Another program holding the store exclusively (a write in progress) for
// `duracion`; returns once the lock is taken. The caller waits for the pid.
pid_t bloquearEnOtroPrograma(const std::string& rutaBase, std::chrono::milliseconds duracion);

} // namespace prueba
