#include "core/perfil_privado.h"

#include "core/texto.h"

#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

namespace core::perfil_privado {
namespace {

struct Archivo {
    std::vector<std::string> lineas;
    std::string finDeLinea = "\n";
    bool terminaEnSalto = true;
};

Archivo cargar(const std::string& ruta) {
    Archivo archivo;
    std::ifstream entrada(ruta, std::ios::binary);
    if (!entrada) {
        return archivo;
    }
    std::stringstream contenido;
    contenido << entrada.rdbuf();
    const std::string texto = contenido.str();
    if (texto.find("\r\n") != std::string::npos) {
        archivo.finDeLinea = "\r\n";
    }
    std::size_t inicio = 0;
    while (inicio < texto.size()) {
        std::size_t fin = texto.find('\n', inicio);
        const bool ultima = fin == std::string::npos;
        std::string linea = texto.substr(inicio, ultima ? std::string::npos : fin - inicio);
        if (!linea.empty() && linea.back() == '\r') {
            linea.pop_back();
        }
        archivo.lineas.push_back(std::move(linea));
        archivo.terminaEnSalto = !ultima;
        inicio = ultima ? texto.size() : fin + 1;
    }
    return archivo;
}

// The section name of a "[name]" line, or nullopt for any other line.
std::optional<std::string> nombreSeccion(const std::string& linea) {
    const std::string limpia = texto::recortar(linea);
    if (limpia.size() < 2 || limpia.front() != '[') {
        return std::nullopt;
    }
    const auto cierre = limpia.find(']');
    if (cierre == std::string::npos) {
        return std::nullopt;
    }
    return texto::recortar(limpia.substr(1, cierre - 1));
}

// The key of a "key=value" line, or nullopt.
std::optional<std::string> nombreClave(const std::string& linea) {
    const auto igual = linea.find('=');
    if (igual == std::string::npos) {
        return std::nullopt;
    }
    return texto::recortar(linea.substr(0, igual));
}

struct Posicion {
    std::size_t seccion = std::string::npos; // line of the header
    std::size_t finSeccion = 0;              // one past the section's last non-blank line
    std::size_t clave = std::string::npos;   // line of the key
};

Posicion buscar(const Archivo& archivo, const std::string& seccion, const std::string& clave) {
    Posicion pos;
    bool dentro = false;
    for (std::size_t i = 0; i < archivo.lineas.size(); ++i) {
        const std::string& linea = archivo.lineas[i];
        if (const auto nombre = nombreSeccion(linea)) {
            if (dentro) {
                break;
            }
            dentro = texto::igualesSinMayusculas(*nombre, seccion);
            if (dentro) {
                pos.seccion = i;
                pos.finSeccion = i + 1;
            }
            continue;
        }
        if (!dentro) {
            continue;
        }
        if (!texto::recortar(linea).empty()) {
            pos.finSeccion = i + 1;
        }
        const auto nombre = nombreClave(linea);
        if (nombre && pos.clave == std::string::npos &&
            texto::igualesSinMayusculas(*nombre, clave)) {
            pos.clave = i;
        }
    }
    return pos;
}

} // namespace

std::string leer(const std::string& seccion, const std::string& clave, const std::string& ruta) {
    const Archivo archivo = cargar(texto::recortar(ruta));
    const Posicion pos = buscar(archivo, seccion, clave);
    if (pos.clave == std::string::npos) {
        return {};
    }
    const std::string& linea = archivo.lineas[pos.clave];
    std::string valor = texto::recortar(linea.substr(linea.find('=') + 1));
    return texto::prefijoUtf8(valor, LargoMaximo);
}

bool grabar(const std::string& seccion, const std::string& clave, const std::string& valor,
            const std::string& ruta) {
    Archivo archivo = cargar(ruta);
    const Posicion pos = buscar(archivo, seccion, clave);
    const std::string lineaClave = clave + "=" + valor;
    if (pos.clave != std::string::npos) {
        archivo.lineas[pos.clave] = lineaClave;
    } else if (pos.seccion != std::string::npos) {
        archivo.lineas.insert(archivo.lineas.begin() + static_cast<long>(pos.finSeccion),
                              lineaClave);
    } else {
        if (!archivo.lineas.empty() && !archivo.terminaEnSalto) {
            archivo.terminaEnSalto = true;
        }
        archivo.lineas.push_back("[" + seccion + "]");
        archivo.lineas.push_back(lineaClave);
    }
    std::ofstream salida(ruta, std::ios::binary | std::ios::trunc);
    for (std::size_t i = 0; i < archivo.lineas.size(); ++i) {
        salida << archivo.lineas[i];
        if (i + 1 < archivo.lineas.size() || archivo.terminaEnSalto) {
            salida << archivo.finDeLinea;
        }
    }
    return static_cast<bool>(salida.flush());
}

} // namespace core::perfil_privado
