#include "core/reloj.h"

#include "core/error.h"

#include <cctype>
#include <cstdio>

namespace core {

Fecha Reloj::hoy() const {
    const auto ahora = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(ahora);
    std::tm local{};
    localtime_r(&t, &local);
    return Fecha{std::chrono::year{local.tm_year + 1900},
                 std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                 std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

std::string textoAAAAMMDD(Fecha fecha) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d%02u%02u", static_cast<int>(fecha.year()),
                  static_cast<unsigned>(fecha.month()), static_cast<unsigned>(fecha.day()));
    return buffer;
}

Fecha fechaDesdeAAAAMMDD(const std::string& texto) {
    bool digitos = texto.size() == 8;
    for (char c : texto) {
        digitos = digitos && std::isdigit(static_cast<unsigned char>(c));
    }
    if (digitos) {
        const Fecha fecha{std::chrono::year{std::stoi(texto.substr(0, 4))},
                          std::chrono::month{static_cast<unsigned>(std::stoi(texto.substr(4, 2)))},
                          std::chrono::day{static_cast<unsigned>(std::stoi(texto.substr(6, 2)))}};
        if (fecha.ok()) {
            return fecha;
        }
    }
    throw Error(Error::ArgumentoInvalido, "Fecha no válida (se espera AAAAMMDD): " + texto);
}

Fecha sumarDias(Fecha fecha, int dias) {
    return Fecha{std::chrono::sys_days{fecha} + std::chrono::days{dias}};
}

} // namespace core
