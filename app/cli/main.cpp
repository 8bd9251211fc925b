#include "app/cli/comandos.h"
#include "core/carpetas.h"
#include "core/error.h"

#include <iostream>
#include <optional>

namespace {

void mostrarAyuda(std::ostream& salida) {
    salida << "Uso: estadisticas-cli [--carpeta CARPETA] COMANDO [OPCIONES]\n"
              "\n"
              "Ejecuta las funciones del programa de estadísticas sin pantalla.\n"
              "--carpeta CARPETA  carpeta de la aplicación (configuracion.ini, base.mdb,\n"
              "                   exportaciones/); por omisión la del ejecutable si se\n"
              "                   puede escribir en ella, si no ~/.config/estadisticas\n"
              "                   (configuración) y ~/.local/share/estadisticas (datos)\n"
              "\n"
              "Comandos:\n";
    for (const app::cli::Comando& c : app::cli::Comandos()) {
        salida << "  " << c.nombre << "\n      " << c.ayuda << "\n";
    }
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> palabras(argv + 1, argv + argc);
    std::optional<std::string> opcionCarpeta;
    std::size_t i = 0;
    while (i < palabras.size() && palabras[i].rfind("--", 0) == 0) {
        if (palabras[i] == "--help" || palabras[i] == "-h") {
            mostrarAyuda(std::cout);
            return 0;
        }
        if (palabras[i] == "--carpeta" && i + 1 < palabras.size()) {
            opcionCarpeta = palabras[i + 1];
            i += 2;
            continue;
        }
        std::cerr << "Opción desconocida: " << palabras[i] << "\n";
        return 1;
    }
    try {
        const core::Carpetas carpetas = core::carpetasDelPrograma(opcionCarpeta);
        if (i >= palabras.size()) {
            mostrarAyuda(std::cerr);
            return 1;
        }
        for (const app::cli::Comando& c : app::cli::Comandos()) {
            if (palabras[i] == c.nombre) {
                const std::vector<std::string> resto(palabras.begin() + static_cast<long>(i) + 1,
                                                     palabras.end());
                return c.ejecutar(resto, carpetas, std::cout, std::cerr);
            }
        }
    } catch (const core::Error& e) {
        app::cli::imprimirError(std::cerr, e);
        return 1;
    } catch (const std::exception& e) {
        // Unexpected: what it says is for the developer, the number for the user.
        std::cerr << "Excepción inesperada: " << e.what() << "\n";
        app::cli::imprimirError(std::cerr, core::Error::interno());
        return 1;
    }
    std::cerr << "Comando desconocido: " << palabras[i] << "\n";
    return 1;
}
