#include "core/perfil_privado.h"

#include "core/archivo_comun.h"
#include "core/descripcion_error.h"
#include "core/error.h"
#include "core/texto.h"

#include <cerrno>
#include <filesystem>
#include <optional>
#include <unistd.h>
#include <vector>

namespace core::perfil_privado {
namespace {

constexpr std::string_view MarcaUtf8 = "\xEF\xBB\xBF";

struct Archivo {
    std::string marca; // a byte-order mark before the first line, kept on saving
    std::vector<std::string> lineas;
    std::string finDeLinea = "\n";
    bool terminaEnSalto = true;
};

// The bytes of the file; nullopt, with the reason, when it cannot be read
// whole (missing, not a regular file, a read error).
std::optional<std::string> contenidoDe(const std::string& ruta, std::string& motivo) {
    const int fd = abrirArchivoComun(ruta, motivo);
    if (fd < 0) {
        return std::nullopt;
    }
    std::string texto;
    char bloque[4096];
    for (;;) {
        const ssize_t n = ::read(fd, bloque, sizeof bloque);
        if (n > 0) {
            texto.append(bloque, static_cast<std::size_t>(n));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            motivo = descripcionDelSistema(errno);
            ::close(fd);
            return std::nullopt;
        }
    }
    ::close(fd);
    return texto;
}

Archivo cargar(std::string texto) {
    Archivo archivo;
    if (texto.starts_with(MarcaUtf8)) {
        archivo.marca = MarcaUtf8;
        texto.erase(0, MarcaUtf8.size());
    }
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
    std::string motivo;
    const Archivo archivo = cargar(contenidoDe(texto::recortar(ruta), motivo).value_or(""));
    const Posicion pos = buscar(archivo, seccion, clave);
    if (pos.clave == std::string::npos) {
        return {};
    }
    const std::string& linea = archivo.lineas[pos.clave];
    std::string valor = texto::recortar(linea.substr(linea.find('=') + 1));
    return texto::prefijoUtf8(valor, LargoMaximo);
}

void grabar(const std::string& seccion, const std::vector<Valor>& valores,
            const std::string& ruta) {
    // A file that is there but cannot be read is not replaced by one that
    // would hold only this section.
    std::string motivo;
    std::optional<std::string> anterior = contenidoDe(ruta, motivo);
    std::error_code ec;
    if (!anterior && std::filesystem::exists(ruta, ec)) {
        throw Error(Error::ErrorArchivo, "No se puede leer " + ruta + " para grabarlo: " + motivo);
    }
    Archivo archivo = cargar(std::move(anterior).value_or(""));
    for (const Valor& v : valores) {
        const Posicion pos = buscar(archivo, seccion, v.clave);
        const std::string lineaClave = v.clave + "=" + v.valor;
        if (pos.clave != std::string::npos) {
            archivo.lineas[pos.clave] = lineaClave;
        } else if (pos.seccion != std::string::npos) {
            archivo.lineas.insert(archivo.lineas.begin() + static_cast<long>(pos.finSeccion),
                                  lineaClave);
        } else {
            archivo.terminaEnSalto = true;
            archivo.lineas.push_back("[" + seccion + "]");
            archivo.lineas.push_back(lineaClave);
        }
    }
    std::string contenido = archivo.marca;
    for (std::size_t i = 0; i < archivo.lineas.size(); ++i) {
        contenido += archivo.lineas[i];
        if (i + 1 < archivo.lineas.size() || archivo.terminaEnSalto) {
            contenido += archivo.finDeLinea;
        }
    }
    reemplazarArchivo(ruta, contenido);
}

} // namespace core::perfil_privado
