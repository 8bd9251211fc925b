#include "reports/csv.h"

#include "reports/tabla_salida.h"

#include <ostream>

namespace reports {

namespace {

bool necesitaComillas(std::string_view valor) {
    return valor.find_first_of(",\"\r\n") != std::string_view::npos ||
           (!valor.empty() && (valor.front() == ' ' || valor.back() == ' '));
}

template <typename Celdas> void agregarLinea(std::string& destino, const Celdas& celdas) {
    bool primera = true;
    for (const auto& celda : celdas) {
        if (!primera) {
            destino += ',';
        }
        primera = false;
        AgregarCampoCsv(destino, celda);
    }
    destino += "\r\n";
}

} // namespace

void AgregarCampoCsv(std::string& destino, std::string_view valor) {
    if (!necesitaComillas(valor)) {
        destino += valor;
        return;
    }
    destino += '"';
    for (const char c : valor) {
        if (c == '"') {
            destino += '"';
        }
        destino += c;
    }
    destino += '"';
}

void EscribirCsv(const TablaSalida& tabla, std::ostream& salida) {
    constexpr std::size_t Bloque = 64 * 1024;
    std::string texto = "\xEF\xBB\xBF";
    texto.reserve(2 * Bloque);
    agregarLinea(texto, tabla.titulos);
    while (tabla.filas.leer()) {
        agregarLinea(texto, tabla.filas.celdas());
        if (texto.size() >= Bloque) {
            salida.write(texto.data(), static_cast<std::streamsize>(texto.size()));
            texto.clear();
        }
    }
    salida.write(texto.data(), static_cast<std::streamsize>(texto.size()));
}

} // namespace reports
