#include "app/cli/comando_informe.h"

#include "app/cli/comandos.h"
#include "app/cli/filtros_cli.h"
#include "app/cli/salida_cli.h"
#include "core/argumentos.h"
#include "core/error.h"
#include "core/reloj.h"
#include "core/texto.h"
#include "reports/informes.h"
#include "reports/resumen.h"
#include "reports/tabla_salida.h"
#include "store/contexto.h"

#include <ostream>

namespace app::cli {

namespace {

using reports::informes::DefinicionInforme;

constexpr const char* Resumen = "resumen";

std::string nombresDeInformes() {
    std::string nombres;
    for (const DefinicionInforme& d : reports::informes::Informes()) {
        nombres += std::string(d.nombre) + ", ";
    }
    return nombres + Resumen;
}

const DefinicionInforme& definicionDe(const std::string& nombre) {
    for (const DefinicionInforme& d : reports::informes::Informes()) {
        if (nombre == d.nombre) {
            return d;
        }
    }
    throw core::Error(core::Error::ArgumentoInvalido, "No hay un informe \"" + nombre +
                                                          "\"; los informes son " +
                                                          nombresDeInformes());
}

// An option given to a report that does not take it is refused, never ignored.
void exigirAdmitidas(const core::Argumentos& a, const DefinicionInforme& d) {
    const std::pair<const char*, bool> opciones[] = {{"--tipo", d.admite.tipo},
                                                     {"--grado", d.admite.grado},
                                                     {"--tematica", d.admite.tematica},
                                                     {"--desde", d.admite.desde},
                                                     {"--hasta", d.admite.hasta}};
    for (const auto& [opcion, admitida] : opciones) {
        if (!admitida && a.valor(opcion)) {
            throw core::Error(core::Error::ArgumentoInvalido,
                              "El informe " + std::string(d.nombre) + " no admite " + opcion);
        }
    }
}

// The summary's figures as a table of two columns.
const std::vector<reports::ColumnaGrilla>& ColumnasResumen() {
    static const std::vector<reports::ColumnaGrilla> columnas{{"clave", 3000, "clave"},
                                                              {"valor", 2000, "valor"}};
    return columnas;
}

// A report's grid as the command line writes it: its column names heading
// the columns, no row numbers.
void escribirGrilla(const SalidaPedida& pedida, const reports::Grilla& grilla,
                    const std::vector<reports::ColumnaGrilla>& columnas,
                    const reports::Encabezado& encabezado, std::ostream& salida,
                    const std::function<void(std::ostream&)>& tsv) {
    reports::ColumnasSalida c = reports::ColumnasDe(columnas, false);
    c.titulos.clear();
    for (const reports::ColumnaGrilla& columna : columnas) {
        c.titulos.emplace_back(columna.campo);
    }
    reports::FilasDeGrilla filas(grilla, 1);
    EscribirSalida(pedida, {c.titulos, c.anchos, c.tipos, filas}, encabezado, salida, tsv);
}

} // namespace

int ComandoInforme(const std::vector<std::string>& args, const core::Carpetas& carpetas,
                   std::ostream& salida, std::ostream& /*errores*/) {
    if (args.empty()) {
        throw core::Error(core::Error::ArgumentoInvalido,
                          "Falta el informe: " + nombresDeInformes());
    }
    const std::string nombre = args.front();
    const core::Argumentos a(
        {args.begin() + 1, args.end()},
        {"--tipo", "--grado", "--tematica", "--desde", "--hasta", "--formato", "--salida"}, {});
    if (!a.posicionales().empty()) {
        throw core::Error(core::Error::ArgumentoInvalido,
                          "Sobra \"" + a.posicionales().front() + "\" tras el informe " + nombre);
    }
    const DefinicionInforme* definicion = nombre == Resumen ? nullptr : &definicionDe(nombre);
    if (definicion) {
        exigirAdmitidas(a, *definicion);
    }
    const reports::EstadoFiltros filtros = FiltrosDeOpciones(a);
    const SalidaPedida pedida(a);
    const core::Reloj reloj;
    store::Contexto ctx(carpetas, reloj);
    abrirAlmacenParaLeer(ctx);
    if (!definicion) {
        const auto cifras = reports::informes::Resumen(ctx, filtros);
        std::vector<std::vector<std::string>> filas;
        for (const reports::informes::Cifra& c : cifras) {
            filas.push_back({c.clave, c.valor});
        }
        escribirGrilla(
            pedida, reports::GrillaDeFilas(filas, ColumnasResumen()), ColumnasResumen(),
            EncabezadoCli(ctx, "Resumen", filtros, {}), salida, [&](std::ostream& destino) {
                for (const reports::informes::Cifra& c : cifras) {
                    destino << c.clave << '\t' << core::texto::campoTabulado(c.valor) << '\n';
                }
            });
        return 0;
    }
    const reports::Grilla grilla =
        reports::informes::GrillaInforme(ctx, definicion->informe, filtros, definicion->orden);
    escribirGrilla(pedida, grilla, definicion->columnas,
                   EncabezadoCli(ctx, definicion->titulo, filtros, {}), salida,
                   [&](std::ostream& destino) {
                       destino << reports::informes::TextoInforme(grilla, *definicion);
                   });
    return 0;
}

} // namespace app::cli
