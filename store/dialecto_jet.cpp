#include "dialecto_jet.h"

#include <cctype>

namespace {

bool esDeNombre(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

// Index one past the quoted run that starts at i (the quote doubles to escape).
std::size_t finCitado(std::string_view sql, std::size_t i) {
    const char comilla = sql[i];
    const char cierre = comilla == '[' ? ']' : comilla;
    std::size_t k = i + 1;
    while (k < sql.size()) {
        if (sql[k] == cierre) {
            if (cierre != ']' && k + 1 < sql.size() && sql[k + 1] == cierre) {
                k += 2;
                continue;
            }
            return k + 1;
        }
        ++k;
    }
    return sql.size();
}

bool esLeftLlamada(std::string_view sql, std::size_t i, std::size_t finNombre) {
    if (finNombre - i != 4) {
        return false;
    }
    for (std::size_t k = 0; k < 4; ++k) {
        if (std::toupper(static_cast<unsigned char>(sql[i + k])) != "LEFT"[k]) {
            return false;
        }
    }
    std::size_t k = finNombre;
    while (k < sql.size() && std::isspace(static_cast<unsigned char>(sql[k]))) {
        ++k;
    }
    return k < sql.size() && sql[k] == '(';
}

} // namespace

std::string traducirJet(std::string_view sql) {
    std::string salida;
    salida.reserve(sql.size() + 16);
    std::size_t i = 0;
    while (i < sql.size()) {
        const char c = sql[i];
        if (c == '\'' || c == '"' || c == '[' || c == '`') {
            const std::size_t fin = finCitado(sql, i);
            salida.append(sql.substr(i, fin - i));
            i = fin;
        } else if (esDeNombre(c)) {
            std::size_t fin = i;
            while (fin < sql.size() && esDeNombre(sql[fin])) {
                ++fin;
            }
            if (esLeftLlamada(sql, i, fin)) {
                salida += "jet_left";
            } else {
                salida.append(sql.substr(i, fin - i));
            }
            i = fin;
        } else {
            salida += c;
            ++i;
        }
    }
    return salida;
}
