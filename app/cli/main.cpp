#include "app/cli/comandos.h"
#include "core/carpetas.h"
#include "core/error.h"

#include <QGuiApplication>

#include <iostream>
#include <memory>
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
    salida << "\nlista, buscar-libros, buscar-usuarios, ranking e informe aceptan\n"
              "--formato tsv|csv|xlsx|pdf (tsv por omisión) y --salida ARCHIVO\n"
              "(necesario para xlsx y pdf).\n";
}

// A PDF needs the system's fonts, which Qt gives a graphical application;
// the command line shows no window, so it asks for none.
std::unique_ptr<QGuiApplication> aplicacionParaPdf(int& argc, char** argv,
                                                   const std::vector<std::string>& palabras) {
    for (std::size_t i = 0; i + 1 < palabras.size(); ++i) {
        if (palabras[i] == "--formato" && palabras[i + 1] == "pdf") {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            return std::make_unique<QGuiApplication>(argc, argv);
        }
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> palabras(argv + 1, argv + argc);
    const auto aplicacion = aplicacionParaPdf(argc, argv, palabras);
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
