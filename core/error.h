#pragma once

#include <stdexcept>
#include <string>

namespace core {

// The program's one error type: a number and a description, as the windows
// and the headless command show them. Every number the program raises is
// named here.
class Error : public std::runtime_error {
public:
    static constexpr int ArgumentoInvalido = 5;
    // A percentage with no loans loaded to divide by.
    static constexpr int DivisionPorCero = 11;
    // An exception the program did not expect, caught before it could end it.
    static constexpr int ErrorInterno = 51;
    // A file that is not there: the help command's program, the settings of
    // the headless command.
    static constexpr int ArchivoNoEncontrado = 53;
    // Errors writing a file (settings, export).
    static constexpr int ErrorArchivo = 75;
    static constexpr int RutaNoEncontrada = 76;
    static constexpr int ObjetoNoEstablecido = 91;
    // A chosen printer that cannot be printed on.
    static constexpr int ErrorImpresora = 482;
    // Errors raised by the statistics store (statement rejected, file locked ...).
    static constexpr int ErrorBaseDatos = 3001;
    // Errors reading an ISIS database (missing, truncated or corrupt files).
    static constexpr int ErrorIsis = 3002;
    // An export read back ("leer") that is missing or not well-formed XML.
    static constexpr int ErrorXml = 3003;
    static constexpr int ImpresionCancelada = 32755;

    Error(int numero, std::string descripcion);
    // What an exception the program did not expect becomes when it is caught
    // before it can end the program.
    static Error interno();

    int numero() const noexcept { return numero_; }
    const std::string& descripcion() const noexcept { return descripcion_; }

private:
    int numero_;
    std::string descripcion_;
};

} // namespace core
