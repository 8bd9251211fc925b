#include "store/dialecto_jet.h"

#include <cctype>
#include <optional>

namespace store {

namespace {

bool esDeNombre(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool mismaPalabra(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (std::toupper(static_cast<unsigned char>(a[k])) != b[k]) {
            return false;
        }
    }
    return true;
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

std::size_t saltarBlancos(std::string_view sql, std::size_t k) {
    while (k < sql.size() && std::isspace(static_cast<unsigned char>(sql[k]))) {
        ++k;
    }
    return k;
}

std::size_t finNombre(std::string_view sql, std::size_t k) {
    while (k < sql.size() && esDeNombre(sql[k])) {
        ++k;
    }
    return k;
}

// "columna LIKE 'texto'" or "columna LIKE 'texto%'": the LIKE is kept and a
// comparison under the store's collation is added, which every match
// satisfies and an index can answer. Returns the replacement and the index
// one past the pattern, or nothing when the shape does not fit.
struct Reemplazo {
    std::string texto;
    std::size_t fin;
};

std::optional<Reemplazo> acotarLike(std::string_view sql, std::size_t inicio, std::size_t fin) {
    const std::string_view columna = sql.substr(inicio, fin - inicio);
    if ((inicio > 0 && sql[inicio - 1] == '.') || mismaPalabra(columna, "NOT")) {
        return std::nullopt;
    }
    std::size_t k = saltarBlancos(sql, fin);
    const std::size_t finLike = finNombre(sql, k);
    if (!mismaPalabra(sql.substr(k, finLike - k), "LIKE")) {
        return std::nullopt;
    }
    k = saltarBlancos(sql, finLike);
    if (k >= sql.size() || sql[k] != '\'') {
        return std::nullopt;
    }
    const std::size_t finPatron = finCitado(sql, k);
    const std::string_view patron = sql.substr(k, finPatron - k);
    if (patron.size() < 2 || patron.back() != '\'') {
        return std::nullopt;
    }
    const std::size_t despues = finNombre(sql, saltarBlancos(sql, finPatron));
    if (mismaPalabra(
            sql.substr(saltarBlancos(sql, finPatron), despues - saltarBlancos(sql, finPatron)),
            "ESCAPE")) {
        return std::nullopt;
    }
    std::string_view cuerpo = patron.substr(1, patron.size() - 2);
    const bool prefijo = !cuerpo.empty() && cuerpo.back() == '%';
    if (prefijo) {
        cuerpo.remove_suffix(1);
    }
    if (cuerpo.empty() || cuerpo.find_first_of("%_") != std::string_view::npos) {
        return std::nullopt;
    }
    const std::string col(columna);
    const std::string lit(cuerpo);
    std::string texto = "(" + col + " LIKE " + std::string(patron) + " AND ";
    if (prefijo) {
        // U+10FFFF weighs more than any character a value can continue with.
        texto += col + " >= '" + lit + "' COLLATE ESPANOL AND " + col + " < '" + lit +
                 "\xF4\x8F\xBF\xBF' COLLATE ESPANOL)";
    } else {
        texto += col + " = '" + lit + "' COLLATE ESPANOL)";
    }
    return Reemplazo{texto, finPatron};
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
            const std::size_t fin = finNombre(sql, i);
            const std::size_t parentesis = saltarBlancos(sql, fin);
            if (mismaPalabra(sql.substr(i, fin - i), "LEFT") && parentesis < sql.size() &&
                sql[parentesis] == '(') {
                salida += "jet_left";
            } else if (const auto like = acotarLike(sql, i, fin)) {
                salida += like->texto;
                i = like->fin;
                continue;
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

std::string enOrdenDeTabla(std::string_view sql) {
    std::size_t i = 0;
    while (i < sql.size()) {
        if (sql[i] == '\'' || sql[i] == '"' || sql[i] == '[' || sql[i] == '`') {
            i = finCitado(sql, i);
        } else if (esDeNombre(sql[i])) {
            const std::size_t fin = finNombre(sql, i);
            if (mismaPalabra(sql.substr(i, fin - i), "FROM")) {
                const std::size_t tabla = saltarBlancos(sql, fin);
                const std::size_t finTabla = finNombre(sql, tabla);
                if (finTabla == tabla) {
                    break;
                }
                return std::string(sql.substr(0, finTabla)) + " NOT INDEXED" +
                       std::string(sql.substr(finTabla));
            }
            i = fin;
        } else {
            ++i;
        }
    }
    return std::string(sql);
}

} // namespace store
