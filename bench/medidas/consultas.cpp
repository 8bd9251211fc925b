#include "bench/medidas/consultas.h"

#include "bench/medidas/comun.h"
#include "core/error.h"
#include "export/exportacion.h"
#include "reports/grafico_ranking.h"
#include "reports/grilla_prestamos.h"
#include "reports/lista_prestamos.h"
#include "reports/ranking_filas.h"
#include "store/almacen.h"
#include "store/base_datos.h"
#include "store/dialecto_jet.h"
#include "store/memoria_consultas.h"

#include <functional>
#include <memory>

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

std::string sentenciaListaCompleta() {
    return reports::SentenciaListaPrestamos("1", {}, "devuelto");
}

std::vector<ConsultaMedida> consultasMedidas() {
    const auto rankingCompleto = [](int agrupacion) {
        return store::traducirJet(reports::ranking::SentenciaRanking(
            agrupacion, reports::ranking::MarcasTodas(agrupacion), {}));
    };
    return {{"ranking-libro", "ranking por libro, todas las columnas",
             rankingCompleto(reports::ranking::PorLibro)},
            {"ranking-grado", "ranking por grado, todas las columnas",
             rankingCompleto(reports::ranking::PorGrado)},
            {"lista", "lista de préstamos, modo 1", store::traducirJet(sentenciaListaCompleta())}};
}

int medirRanking(const std::vector<std::string>& args) {
    const int agrupacion = agrupacionDe(args.at(1));
    const reports::ranking::Marcas marcas = reports::ranking::MarcasTodas(agrupacion);
    // A refresh as the ranking window does it: statement, list text, chart.
    reports::ranking::DatosGrafico grafico;
    const auto refrescar = [&](store::Contexto& ctx) {
        const reports::ranking::Presentacion p{true, ctx.TotalPrestamos, ","};
        const reports::ranking::Ranking r = reports::ranking::EjecutarRanking(
            ctx, agrupacion, marcas, {}, reports::ranking::BarrasPorOmision);
        reports::ranking::TextoLista(r, p);
        reports::ranking::Graficar(grafico, r, p);
    };
    // Every group a refresh can show, as this connection keeps them.
    const auto guardadas = [&](store::Contexto& ctx) {
        return store::EjecutarConsultaGuardada(
                   ctx, reports::ranking::SentenciaRanking(agrupacion, marcas, {}),
                   reports::ranking::BarrasMaximas)
            .filas;
    };
    const auto abrir = [&] {
        auto almacen = std::make_unique<Almacen>(args.at(0));
        store::Sentencia total(*almacen->ctx.Conexion, "SELECT COUNT(*) FROM presta");
        total.paso();
        almacen->ctx.TotalPrestamos = std::stoi(total.valor(0).value_or("0"));
        return almacen;
    };
    std::vector<std::vector<std::optional<std::string>>> leidas;
    {
        const auto almacen = abrir();
        cronometrar("ranking", veces(args, 2), [&] { refrescar(almacen->ctx); });
        leidas = guardadas(almacen->ctx);
    }
    // As the program does once the load ends: every likely first ranking
    // read ahead on another thread, then the librarian's first refresh.
    const auto almacen = abrir();
    const Instante inicio = ahora();
    reports::ranking::AnticiparRankings(almacen->ctx);
    almacen->ctx.Conexion->memoria().esperarAnticipo();
    anotar("ranking_anticipo_ms", msDesde(inicio));
    const Instante pedido = ahora();
    refrescar(almacen->ctx);
    anotar("ranking_tras_anticipo_ms", msDesde(pedido));
    if (guardadas(almacen->ctx) != leidas) {
        throw core::Error(core::Error::ErrorBaseDatos,
                          "El ranking leído de antemano no es el que se lee al pedirlo");
    }
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
