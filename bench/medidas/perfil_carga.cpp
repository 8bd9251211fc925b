#include "bench/medidas/perfil.h"

#include "bench/medidas/comun.h"
#include "isis/carga/carga.h"

#include <iomanip>
#include <iostream>

namespace medidas {

namespace {

// One label of the load window: its first notice, its last one and the one
// before the last.
struct Paso {
    std::string etiqueta;
    Instante primero;
    Instante penultimo;
    Instante ultimo;
};

void fila(const std::string& paso, double ms, double total) {
    std::cout << "  " << std::left << std::setw(46) << paso << std::right << std::setw(8)
              << std::fixed << std::setprecision(1) << ms << " ms " << std::setw(5)
              << 100 * ms / total << " %\n";
}

} // namespace

int perfilCarga(const std::vector<std::string>& args) {
    core::Reloj reloj;
    store::Contexto ctx(args.at(0), reloj);
    std::vector<Paso> pasos;
    const Instante inicio = ahora();
    const carga::ResultadoCarga r =
        carga::CargarDatos(ctx, [&pasos](const std::string& etiqueta, int, int) {
            const Instante t = ahora();
            if (pasos.empty() || pasos.back().etiqueta != etiqueta) {
                pasos.push_back({etiqueta, t, t, t});
            }
            pasos.back().penultimo = pasos.back().ultimo;
            pasos.back().ultimo = t;
        });
    const Instante fin = ahora();
    // Reading loans, members, catalogue, the reports' members and copies;
    // then writing presta and the reports' tables.
    if (r.tipo != carga::ResultadoCarga::Tipo::Exito || pasos.size() != 6) {
        std::cerr << "La carga no terminó bien o no avisó sus seis pasos\n";
        return 1;
    }
    const double total = msEntre(inicio, fin);
    std::cout << "Carga de " << r.filas << " filas, " << std::fixed << std::setprecision(1) << total
              << " ms en total:\n";
    fila("lectura de préstamos (PRESTA)", msEntre(inicio, pasos[1].primero), total);
    fila("búsqueda y lectura de usuarios (USUARIOS)", msEntre(pasos[1].primero, pasos[2].primero),
         total);
    fila("búsqueda y formato del catálogo (MARC)", msEntre(pasos[2].primero, pasos[3].primero),
         total);
    const double lecturaInformes = msEntre(pasos[3].primero, pasos[3].ultimo);
    fila("socios y ejemplares para los informes", lecturaInformes, total);
    fila("apertura del almacén, índices fuera", msEntre(pasos[3].ultimo, pasos[4].primero), total);
    fila("inserción de las filas de presta", msEntre(pasos[4].primero, pasos[5].primero), total);
    const double escrituraInformes = msEntre(pasos[5].primero, pasos[5].penultimo);
    fila("inserción de socios y ejemplares", escrituraInformes, total);
    fila("construcción de índices y ANALYZE", msEntre(pasos[5].penultimo, pasos[5].ultimo), total);
    fila("COMMIT y cierre", msEntre(pasos[5].ultimo, fin), total);
    // What the two tables add, against the run without them.
    const double informes = lecturaInformes + escrituraInformes;
    std::cout << "carga_informes_ms " << informes << "\ncarga_sin_informes_ms " << total - informes
              << "\n";
    return 0;
}

} // namespace medidas
