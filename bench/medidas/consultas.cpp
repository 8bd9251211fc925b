#include "bench/medidas/consultas.h"

#include "bench/medidas/comun.h"
#include "core/error.h"
#include "export/exportacion.h"
#include "reports/grafico_ranking.h"
#include "reports/grilla_prestamos.h"
#include "reports/lista_prestamos.h"
#include "reports/ranking_filas.h"
#include "store/dialecto_jet.h"

#include <functional>

namespace medidas {

namespace {

int veces(const std::vector<std::string>& args, std::size_t posicion) {
    return args.size() > posicion ? std::max(1, std::stoi(args[posicion])) : 5;
}

// Runs `trabajo` once cold (the connection just opened) and `n` times more;
// prints the first time and the median of the rest.
void cronometrar(const std::string& nombre, int n, const std::function<void()>& trabajo) {
    const Instante inicio = ahora();
    trabajo();
    anotar(nombre + "_primera_ms", msDesde(inicio));
    anotar(nombre + "_ms", msMediana(n, trabajo));
}

} // namespace

int agrupacionDe(const std::string& nombre) {
    if (nombre == "libro") {
        return reports::ranking::PorLibro;
    }
    if (nombre == "grado") {
        return reports::ranking::PorGrado;
    }
    throw core::Error(core::Error::ArgumentoInvalido, "Se espera libro o grado: " + nombre);
}

reports::ranking::Marcas todasLasColumnas(int agrupacion) {
    reports::ranking::Casillas casillas;
    reports::ranking::AjustarCasillas(agrupacion, casillas);
    for (reports::ranking::Casilla& c : casillas) {
        c.marcada = c.habilitada;
    }
    reports::ranking::FijarCasillaPropia(agrupacion, casillas);
    return reports::ranking::MarcasDe(casillas);
}

std::string sentenciaListaCompleta() {
    return reports::SentenciaListaPrestamos("1", {}, "devuelto");
}

std::vector<ConsultaMedida> consultasMedidas() {
    const auto rankingCompleto = [](int agrupacion) {
        return store::traducirJet(
            reports::ranking::SentenciaRanking(agrupacion, todasLasColumnas(agrupacion), {}));
    };
    return {{"ranking-libro", "ranking por libro, todas las columnas",
             rankingCompleto(reports::ranking::PorLibro)},
            {"ranking-grado", "ranking por grado, todas las columnas",
             rankingCompleto(reports::ranking::PorGrado)},
            {"lista", "lista de préstamos, modo 1", store::traducirJet(sentenciaListaCompleta())}};
}

int medirRanking(const std::vector<std::string>& args) {
    Almacen almacen(args.at(0));
    store::Contexto& ctx = almacen.ctx;
    const int agrupacion = agrupacionDe(args.at(1));
    const reports::ranking::Marcas marcas = todasLasColumnas(agrupacion);
    store::Sentencia total(*ctx.Conexion, "SELECT COUNT(*) FROM presta");
    total.paso();
    ctx.TotalPrestamos = std::stoi(total.valor(0).value_or("0"));
    const reports::ranking::Presentacion p{true, ctx.TotalPrestamos, ","};
    reports::ranking::DatosGrafico grafico;
    // A refresh as the ranking window does it: statement, list text, chart.
    cronometrar("ranking", veces(args, 2), [&] {
        const reports::ranking::Ranking r = reports::ranking::EjecutarRanking(
            ctx, agrupacion, marcas, {}, reports::ranking::BarrasPorOmision);
        reports::ranking::TextoLista(r, p);
        reports::ranking::Graficar(grafico, r, p);
    });
    return 0;
}

int medirLista(const std::vector<std::string>& args) {
    Almacen almacen(args.at(0));
    store::Contexto& ctx = almacen.ctx;
    double crecimiento = 0;
    std::size_t filas = 0;
    std::size_t bytes = 0;
    cronometrar("lista", veces(args, 1), [&] {
        const double antes = residenteMB();
        const reports::Grilla grilla =
            reports::GrillaDeConsulta(ctx, sentenciaListaCompleta(), reports::ColumnasPrestamos());
        crecimiento = std::max(crecimiento, residenteMB() - antes);
        filas = static_cast<std::size_t>(grilla.filas());
        bytes = grilla.bytesOcupados();
    });
    anotar("lista_filas", static_cast<double>(filas));
    anotar("lista_crecimiento_mb", crecimiento);
    anotar("lista_grilla_mb", static_cast<double>(bytes) / (1024.0 * 1024.0));
    anotar("lista_pico_mb", picoResidenteMB());
    return 0;
}

int medirExportacion(const std::vector<std::string>& args) {
    Almacen almacen(args.at(0));
    const exportacion::PeriodoExportacion todo{};
    cronometrar("exportacion", veces(args, 1), [&] {
        exportacion::EscribirExportacion(almacen.ctx, exportacion::FiltroExportacion(todo), todo);
    });
    return 0;
}

} // namespace medidas
