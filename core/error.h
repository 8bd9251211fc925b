#pragma once

#include <stdexcept>
#include <string>

namespace core {

// The program's one error type: a number and a description, as the windows
// show them. The numbers with a fixed meaning are named below.
class Error : public std::runtime_error {
public:
    static constexpr int ArgumentoInvalido = 5;
    static constexpr int RutaNoEncontrada = 76;
    static constexpr int ObjetoNoEstablecido = 91;
    static constexpr int ImpresionCancelada = 32755;
    // Errors raised by the statistics store (statement rejected, file locked ...).
    static constexpr int ErrorBaseDatos = 3001;
    // Errors reading an ISIS database (missing, truncated or corrupt files).
    static constexpr int ErrorIsis = 3002;
    // Errors writing a file (settings, export).
    static constexpr int ErrorArchivo = 75;

    Error(int numero, std::string descripcion);

    int numero() const noexcept { return numero_; }
    const std::string& descripcion() const noexcept { return descripcion_; }

private:
    int numero_;
    std::string descripcion_;
};

} // namespace core
