#include "app/cli/comando_ranking.h"

#include "app/cli/comandos.h"
#include "app/cli/filtros_cli.h"
#include "app/cli/salida_cli.h"
#include "core/argumentos.h"
#include "core/error.h"
#include "core/reloj.h"
#include "core/texto.h"
#include "reports/grafico_ranking.h"
#include "reports/papel/pintar_grafico.h"
#include "reports/ranking_filas.h"
#include "reports/tabla_ranking.h"
#include "reports/tabla_salida.h"
#include "store/almacen.h"
#include "store/contexto.h"

#include <clocale>
#include <langinfo.h>
#include <locale.h>
#include <ostream>
#include <sstream>

namespace app::cli {

namespace {

const std::vector<std::string> NombresAgrupacion{"usuario", "libro", "tema", "grado", "nivel"};

[[noreturn]] void invalido(const std::string& descripcion) {
    throw core::Error(core::Error::ArgumentoInvalido, descripcion);
}

int numero(const std::string& texto, int maximo, const std::string& opcion) {
    if (texto.empty() || texto.size() > 3 ||
        texto.find_first_not_of("0123456789") != std::string::npos || std::stoi(texto) > maximo) {
        invalido(opcion + " espera un número de 0 a " + std::to_string(maximo) + ": " + texto);
    }
    return std::stoi(texto);
}

reports::ranking::Casillas casillasPedidas(int agrupacion,
                                           const std::optional<std::string>& mostrar) {
    reports::ranking::Casillas c;
    reports::ranking::AjustarCasillas(agrupacion, c);
    std::istringstream lista(mostrar.value_or(""));
    std::string indice;
    while (std::getline(lista, indice, ',')) {
        const int i = numero(indice, reports::ranking::CantidadCasillas - 1, "--mostrar");
        reports::ranking::Casilla& casilla = c[static_cast<std::size_t>(i)];
        if (!casilla.habilitada) {
            invalido("La casilla " + indice + " de \"Mostrar\" no se ofrece al agrupar por " +
                     NombresAgrupacion[static_cast<std::size_t>(agrupacion)]);
        }
        casilla.marcada = true;
    }
    reports::ranking::FijarCasillaPropia(agrupacion, c);
    return c;
}

// The decimal separator of the user's locale settings.
std::string separadorDelSistema() {
    locale_t local = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (local == static_cast<locale_t>(nullptr)) {
        return ".";
    }
    std::string separador = nl_langinfo_l(RADIXCHAR, local);
    freelocale(local);
    return separador.empty() ? "." : separador;
}

std::int32_t contarPrestamos(store::Contexto& ctx) {
    const auto filas = store::EjecutarConsulta(ctx, "SELECT COUNT(*) AS total FROM presta");
    return static_cast<std::int32_t>(std::stol(filas->texto(0)));
}

} // namespace

int ComandoRanking(const std::vector<std::string>& args, const core::Carpetas& carpetas,
                   std::ostream& salida, std::ostream& /*errores*/) {
    const core::Argumentos a(args,
                             {"--agrupar", "--mostrar", "--tipo", "--grado", "--tematica",
                              "--desde", "--hasta", "--barras", "--formato", "--salida"},
                             {"--cantidad", "--sql"});
    if (!a.posicionales().empty()) {
        invalido("Argumento inesperado: " + a.posicionales().front());
    }
    const auto nombre = a.valor("--agrupar");
    if (!nombre) {
        invalido("Falta --agrupar usuario|libro|tema|grado|nivel");
    }
    const int agrupacion = PosicionEnLista(NombresAgrupacion, *nombre, "de agrupaciones");
    const reports::ranking::Marcas marcas =
        reports::ranking::MarcasDe(casillasPedidas(agrupacion, a.valor("--mostrar")));
    const reports::EstadoFiltros filtros = FiltrosDeOpciones(a);
    int barras = reports::ranking::BarrasPorOmision;
    if (auto pedidas = a.valor("--barras")) {
        if (pedidas->empty() || pedidas->find_first_not_of("0123456789") != std::string::npos) {
            invalido("--barras espera un número: " + *pedidas);
        }
        barras = reports::ranking::BarrasPedidas(*pedidas);
    }
    if (a.bandera("--sql")) {
        salida << reports::ranking::SentenciaRanking(agrupacion, marcas, filtros) << "\n";
        return 0;
    }
    const SalidaPedida pedida(a);

    core::Reloj reloj;
    store::Contexto ctx(carpetas, reloj);
    abrirAlmacenParaLeer(ctx);
    ctx.TotalPrestamos = contarPrestamos(ctx);
    const reports::ranking::Ranking r =
        reports::ranking::EjecutarRanking(ctx, agrupacion, marcas, filtros, barras);
    const reports::ranking::Presentacion p{!a.bandera("--cantidad"), ctx.TotalPrestamos,
                                           separadorDelSistema()};
    const auto columnas = reports::ranking::ColumnasRanking(r, p);
    const reports::ColumnasSalida c = reports::ColumnasDe(columnas, false);
    const reports::Grilla grilla = reports::ranking::GrillaRanking(r, p);
    reports::FilasDeGrilla filas(grilla, 1);
    reports::ranking::DatosGrafico datos;
    reports::ranking::Graficar(datos, r, p);
    EscribirSalida(
        pedida, {c.titulos, c.anchos, c.tipos, filas},
        EncabezadoCli(ctx, "Ranking", filtros, {"Agrupado por " + *nombre}), salida,
        [&](std::ostream& destino) {
            for (const reports::ranking::FilaRanking& f : r.filas) {
                destino << core::texto::campoTabulado(
                               reports::ranking::LineaRanking(f, r.campos, p))
                        << "\n";
            }
        },
        [&](QPainter& pintor, const QRectF& area) {
            reports::papel::PintarGrafico(pintor, area, datos);
        },
        reports::ranking::Descripcion(agrupacion, marcas, p.porcentaje));
    return 0;
}

} // namespace app::cli
