#include "bench/medidas/informes_medidos.h"

#include "bench/medidas/comun.h"
#include "reports/informes.h"
#include "reports/resumen.h"

#include <algorithm>

namespace medidas {

namespace {

// The first run (the connection just opened) apart, then the median of `n`.
void cronometrar(const std::string& nombre, int n, const std::function<void()>& trabajo) {
    const Instante inicio = ahora();
    trabajo();
    anotar(nombre + "_primera_ms", msDesde(inicio));
    anotar(nombre + "_ms", msMediana(n, trabajo));
}

std::string clave(const char* nombre) {
    std::string c = nombre;
    std::replace(c.begin(), c.end(), '-', '_');
    return "informe_" + c;
}

} // namespace

int medirInformes(const std::vector<std::string>& args) {
    Almacen almacen(args.at(0));
    store::Contexto& ctx = almacen.ctx;
    const int n = args.size() > 1 ? std::max(1, std::stoi(args[1])) : 5;
    const core::Fecha hoy = ctx.reloj.hoy();
    reports::EstadoFiltros ciclo;
    ciclo.desde = reports::informes::InicioCicloLectivo(hoy);
    ciclo.hasta = hoy;
    for (const auto& d : reports::informes::Informes()) {
        for (const auto& [sufijo, filtros] :
             {std::pair{"", reports::EstadoFiltros{}}, std::pair{"_periodo", ciclo}}) {
            std::size_t filas = 0;
            cronometrar(clave(d.nombre) + sufijo, n, [&] {
                filas = static_cast<std::size_t>(
                    reports::informes::GrillaInforme(ctx, d.informe, filtros, d.orden).filas());
            });
            anotar(clave(d.nombre) + sufijo + "_filas", static_cast<double>(filas) - 2);
        }
    }
    cronometrar("informe_resumen", n,
                [&] { reports::informes::GrillaResumen(reports::informes::Resumen(ctx, {})); });
    return 0;
}

} // namespace medidas
