// bench_medidas: the in-process figures and profiles behind bench/medir.
#include "bench/medidas/comun.h"
#include "bench/medidas/consultas.h"
#include "bench/medidas/informes_medidos.h"
#include "bench/medidas/inicio_gui.h"
#include "bench/medidas/perfil.h"
#include "core/error.h"

#include <functional>
#include <iostream>
#include <map>

int main(int argc, char** argv) {
    using Subcomando = std::function<int(const std::vector<std::string>&)>;
    const std::map<std::string, Subcomando> subcomandos{
        {"ranking", medidas::medirRanking},
        {"lista", medidas::medirLista},
        {"exportar", medidas::medirExportacion},
        {"informes", medidas::medirInformes},
        {"arranque",
         [&](const std::vector<std::string>& a) {
             return medidas::medirArranque(argc, argv, a.at(0));
         }},
        {"perfil-carga", medidas::perfilCarga},
        {"perfil-indices", medidas::perfilIndices},
        {"perfil-consultas", medidas::perfilConsultas},
        {"perfil-exportacion", medidas::perfilExportacion},
    };
    const auto elegido = argc >= 3 ? subcomandos.find(argv[1]) : subcomandos.end();
    if (elegido == subcomandos.end()) {
        std::cerr << "Uso: bench_medidas SUBCOMANDO CARPETA [...]; subcomandos:";
        for (const auto& [nombre, _] : subcomandos) {
            std::cerr << " " << nombre;
        }
        std::cerr << "\n";
        return 2;
    }
    try {
        return elegido->second(std::vector<std::string>(argv + 2, argv + argc));
    } catch (const core::Error& e) {
        std::cerr << "Error " << e.numero() << ": " << e.descripcion() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "Error: " << e.what() << "\n";
        return 1;
    }
}
