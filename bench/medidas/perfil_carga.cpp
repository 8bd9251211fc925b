#include "bench/medidas/perfil.h"

#include "bench/medidas/comun.h"
#include "isis/carga/carga.h"

#include <iomanip>
#include <iostream>
#include <mutex>

namespace medidas {

namespace {

// One label of the load window: when it first and last came with a notice.
// The reading and the writing run on two threads, so steps overlap: each one
// is shown as its span from the start of the run.
struct Paso {
    std::string etiqueta;
    Instante primero;
    Instante ultimo;
    int avisos = 0;
};

void fila(const Paso& paso, Instante inicio) {
    std::cout << "  " << std::left << std::setw(42) << paso.etiqueta << std::right << std::fixed
              << std::setprecision(1) << std::setw(8) << msEntre(inicio, paso.primero) << " → "
              << std::setw(7) << msEntre(inicio, paso.ultimo) << " ms " << std::setw(8)
              << paso.avisos << " avisos\n";
}

} // namespace

int perfilCarga(const std::vector<std::string>& args) {
    core::Reloj reloj;
    store::Contexto ctx(args.at(0), reloj);
    std::vector<Paso> pasos;
    std::mutex mutex;
    const Instante inicio = ahora();
    const carga::ResultadoCarga r =
        carga::CargarDatos(ctx, [&](const std::string& etiqueta, int, int) {
            const Instante t = ahora();
            const std::lock_guard cierre(mutex);
            auto paso = std::find_if(pasos.begin(), pasos.end(),
                                     [&](const Paso& p) { return p.etiqueta == etiqueta; });
            if (paso == pasos.end()) {
                paso = pasos.insert(pasos.end(), {etiqueta, t, t, 0});
            }
            paso->ultimo = t;
            ++paso->avisos;
        });
    const Instante fin = ahora();
    if (r.tipo != carga::ResultadoCarga::Tipo::Exito) {
        std::cerr << "La carga no terminó bien\n";
        return 1;
    }
    std::cout << "Carga de " << r.filas << " filas, " << std::fixed << std::setprecision(1)
              << msEntre(inicio, fin) << " ms en total; cada etiqueta de la ventana, desde su "
              << "primer aviso hasta el último (lectura y escritura se solapan):\n";
    for (const Paso& paso : pasos) {
        fila(paso, inicio);
    }
    std::cout << "  " << std::left << std::setw(42) << "COMMIT y cierre" << std::right
              << std::setw(8) << msEntre(inicio, pasos.back().ultimo) << " → " << std::setw(7)
              << msEntre(inicio, fin) << " ms\n";
    return 0;
}

} // namespace medidas
