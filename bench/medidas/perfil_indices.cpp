#include "bench/medidas/perfil.h"

#include "bench/medidas/comun.h"
#include "bench/medidas/consultas.h"
#include "export/exportacion.h"
#include "store/esquema.h"

#include <iomanip>
#include <iostream>
#include <map>

namespace medidas {

namespace {

constexpr int Veces = 3;

struct Indice {
    std::string nombre;
    std::string sql;
};

std::vector<Indice> indicesPresta(store::BaseDatos& base) {
    store::Sentencia s(base, "SELECT name, sql FROM sqlite_master WHERE type = 'index' AND "
                             "tbl_name = 'presta' AND sql IS NOT NULL");
    std::vector<Indice> indices;
    while (s.paso()) {
        indices.push_back({s.valor(0).value_or(""), s.valor(1).value_or("")});
    }
    return indices;
}

double msEjecutar(store::BaseDatos& base, const std::string& sql) {
    const Instante inicio = ahora();
    base.ejecutar(sql);
    return msDesde(inicio);
}

// Each index of the load built alone, with the Spanish collation and with a
// byte comparison in its place, then ANALYZE as the load runs it.
void indicesDeLaCarga(store::BaseDatos& base, ContadorColeccion& contador) {
    const std::vector<Indice> indices = indicesPresta(base);
    store::borrarIndicesPresta(base);
    std::cout << "Índices de la carga, uno por uno:\n";
    double totalEspanol = 0;
    double totalBytes = 0;
    for (const Indice& i : indices) {
        contador.reiniciar();
        const double espanol = msEjecutar(base, i.sql);
        const long long llamadas = contador.llamadas();
        base.ejecutar("DROP INDEX " + i.nombre);
        contador.usarBytes(true);
        const double bytes = msEjecutar(base, i.sql);
        contador.usarBytes(false);
        base.ejecutar("DROP INDEX " + i.nombre);
        base.ejecutar(i.sql);
        totalEspanol += espanol;
        totalBytes += bytes;
        std::cout << "  " << std::left << std::setw(18) << i.nombre << std::right << std::fixed
                  << std::setprecision(1) << std::setw(8) << espanol << " ms, " << std::setw(9)
                  << llamadas << " llamadas a la colación; con bytes " << std::setw(7) << bytes
                  << " ms\n";
    }
    std::cout << "  total " << totalEspanol << " ms; con comparación de bytes " << totalBytes
              << " ms\n";
    contador.reiniciar();
    const double analisis = msEjecutar(base, "PRAGMA analysis_limit = 1000; ANALYZE presta");
    std::cout << "ANALYZE: " << analisis << " ms, " << contador.llamadas()
              << " llamadas a la colación\n\n";
}

// Indexes that would answer a grouping or an ordering in index order, and
// the measurements they are meant for.
struct Candidato {
    std::vector<std::string> columnas; // one index per entry
    std::vector<std::string> medidas;  // keys of consultasMedidas() or "exportacion"
};

const std::vector<Candidato>& candidatos() {
    static const std::vector<Candidato> lista{
        {{"titulo, tematica, autor, dni"}, {"ranking-libro"}},
        {{"grado, dni, apellido, nombre, titulo, autor, tematica, tipo_usu"}, {"ranking-grado"}},
        {{"devuelto"}, {"lista"}},
        {{"titulo, isbn, tematica, autor", "tipo_usu, titulo, isbn, tematica, autor",
          "dni, nombre, apellido", "tipo_usu, dni, nombre, apellido"},
         {"exportacion"}},
    };
    return lista;
}

using Medidas = std::map<std::string, std::function<void()>>;

// The time of every measurement without each index of the load in turn: what
// each index gives the queries, against what it costs every load.
void loQueDaCadaIndice(store::BaseDatos& base, const Medidas& medidas) {
    std::cout << "Lo que da cada índice de la carga (medianas de " << Veces << "):\n  " << std::left
              << std::setw(22) << "sin" << std::right;
    for (const auto& [nombre, _] : medidas) {
        std::cout << std::setw(15) << nombre;
    }
    std::cout << "\n";
    const auto fila = [&](const std::string& titulo) {
        std::cout << "  " << std::left << std::setw(22) << titulo << std::right << std::fixed
                  << std::setprecision(1);
        for (const auto& [_, medir] : medidas) {
            std::cout << std::setw(12) << msMediana(Veces, medir) << " ms";
        }
        std::cout << std::endl;
    };
    fila("(todos están)");
    for (const Indice& i : indicesPresta(base)) {
        base.ejecutar("DROP INDEX " + i.nombre);
        store::actualizarEstadisticasPresta(base);
        fila(i.nombre);
        base.ejecutar(i.sql);
        store::actualizarEstadisticasPresta(base);
    }
    std::cout << "\n";
}

} // namespace

int perfilIndices(const std::vector<std::string>& args) {
    Almacen almacen(args.at(0));
    store::Contexto& ctx = almacen.ctx;
    store::BaseDatos& base = *ctx.Conexion;
    ContadorColeccion contador(base);
    // Everything here is rolled back: the store stays as the load left it.
    // With the transaction open the export also runs on this one connection.
    store::Transaccion transaccion(base);
    indicesDeLaCarga(base, contador);

    Medidas medidas;
    for (const ConsultaMedida& c : consultasMedidas()) {
        medidas[c.clave] = [&base, sql = c.sql] { recorrer(base, sql); };
    }
    const exportacion::PeriodoExportacion todo{};
    medidas["exportacion"] = [&ctx, &todo] {
        exportacion::DocumentoExportacion(ctx, exportacion::FiltroExportacion(todo), todo);
    };
    loQueDaCadaIndice(base, medidas);

    std::cout << "Índices que cubren una consulta (su costo para la carga y lo que dan):\n";
    for (const Candidato& c : candidatos()) {
        std::map<std::string, double> antes;
        for (const std::string& m : c.medidas) {
            antes[m] = msMediana(Veces, medidas[m]);
        }
        double construccion = 0;
        for (std::size_t i = 0; i < c.columnas.size(); ++i) {
            const std::string sql =
                "CREATE INDEX medir_" + std::to_string(i) + " ON presta (" + c.columnas[i] + ")";
            const double ms = msEjecutar(base, sql);
            construccion += ms;
            imprimirMedida(sql, ms);
        }
        imprimirMedida("construcción, se sumaría a cada carga", construccion);
        store::actualizarEstadisticasPresta(base);
        for (const std::string& m : c.medidas) {
            imprimirMedida(m + ": sin el índice", antes[m]);
            imprimirMedida(m + ": con el índice", msMediana(Veces, medidas[m]));
        }
        for (const ConsultaMedida& q : consultasMedidas()) {
            if (c.medidas.front() == q.clave) {
                imprimirPlan(base, q.sql);
            }
        }
        for (std::size_t i = 0; i < c.columnas.size(); ++i) {
            base.ejecutar("DROP INDEX medir_" + std::to_string(i));
        }
    }
    return 0;
}

} // namespace medidas
