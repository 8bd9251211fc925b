// generar-demo: writes the loans, members and catalogue demo databases.
#include "core/argumentos.h"
#include "core/error.h"
#include "tools/generar_demo/generador_demo.h"

#include <iostream>

namespace {

int entero(const core::Argumentos& a, const std::string& nombre, int omision) {
    const auto v = a.valor(nombre);
    if (!v) {
        return omision;
    }
    try {
        std::size_t usados = 0;
        const int n = std::stoi(*v, &usados);
        if (usados == v->size() && n >= 0) {
            return n;
        }
    } catch (const std::exception&) {
        // reported below
    }
    throw core::Error(core::Error::ArgumentoInvalido, nombre + " espera un número entero: " + *v);
}

} // namespace

int main(int argc, char** argv) {
    try {
        const core::Argumentos a(
            std::vector<std::string>(argv + 1, argv + argc),
            {"--carpeta", "--prestamos", "--usuarios", "--catalogo", "--semilla", "--hoy"},
            {"--help"});
        if (a.bandera("--help") || !a.valor("--carpeta")) {
            std::cout << "Uso: generar-demo --carpeta CARPETA [--prestamos N] [--usuarios N]\n"
                         "                  [--catalogo N] [--semilla S] [--hoy AAAAMMDD]\n"
                         "Escribe las bases ISIS de demostración PRESTA, USUARIOS y MARC.\n";
            return a.bandera("--help") ? 0 : 1;
        }
        if (!a.posicionales().empty()) {
            throw core::Error(core::Error::ArgumentoInvalido,
                              "Argumento inesperado: " + a.posicionales()[0]);
        }
        demo::OpcionesDemo o;
        o.carpeta = *a.valor("--carpeta");
        o.prestamos = entero(a, "--prestamos", o.prestamos);
        o.usuarios = entero(a, "--usuarios", 0);
        o.catalogo = entero(a, "--catalogo", 0);
        o.semilla = static_cast<std::uint32_t>(entero(a, "--semilla", 1));
        o.hoy =
            a.valor("--hoy") ? core::fechaDesdeAAAAMMDD(*a.valor("--hoy")) : core::Reloj().hoy();
        demo::generarDemo(o);
        return 0;
    } catch (const core::Error& e) {
        std::cerr << "Error " << e.numero() << ": " << e.descripcion() << "\n";
        return 1;
    }
}
