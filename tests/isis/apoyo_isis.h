#pragma once

#include "isis/base_abierta.h"
#include "tests/apoyo/carpeta_temporal.h"

#include <memory>
#include <string>

namespace prueba {

// The real sample databases beside the repository, by folder and name.
std::string muestra(const std::string& base);
std::unique_ptr<isis::BaseAbierta> abrirMuestra(const std::string& base);

// A copy of a sample database's files in a temporary folder, to damage.
// Returns the copy's path without extension.
std::string copiarMuestra(const CarpetaTemporal& carpeta, const std::string& base);
// Overwrites `largo` bytes at `posicion` of a file, or cuts it to `posicion`.
void sobrescribir(const std::string& archivo, std::size_t posicion, const std::string& bytes);
void truncar(const std::string& archivo, std::size_t largo);

} // namespace prueba
