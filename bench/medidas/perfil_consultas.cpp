#include "perfil.h"

#include "comun.h"
#include "consultas.h"
#include "dialecto_jet.h"
#include "esquema.h"

#include <iomanip>
#include <iostream>

namespace medidas {

namespace {

constexpr int Veces = 3;

struct Consulta {
    std::string nombre;
    std::string sql; // as the store runs it
};

std::vector<Consulta> consultasMedidas() {
    const auto rankingCompleto = [](int agrupacion) {
        return traducirJet(ranking::SentenciaRanking(agrupacion, todasLasColumnas(agrupacion), {}));
    };
    return {{"ranking por libro, todas las columnas", rankingCompleto(ranking::PorLibro)},
            {"ranking por grado, todas las columnas", rankingCompleto(ranking::PorGrado)},
            {"lista de préstamos, modo 1", traducirJet(sentenciaListaCompleta())}};
}

// The median time of stepping through every row of the statement.
double msRecorrido(BaseDatos& base, const std::string& sql) {
    std::vector<double> tiempos;
    for (int i = 0; i < Veces; ++i) {
        const Instante inicio = ahora();
        recorrer(base, sql);
        tiempos.push_back(msDesde(inicio));
    }
    return mediana(tiempos);
}

void medida(const std::string& que, double ms) {
    std::cout << "    " << std::left << std::setw(52) << que << std::right << std::setw(9)
              << std::fixed << std::setprecision(1) << ms << " ms\n";
}

// Time and collation calls of each statement, then the same with a byte
// comparison in the collation's place: the difference is what the Spanish
// comparison costs the statement.
void perfilDe(BaseDatos& base, ContadorColeccion& contador, const Consulta& c) {
    std::cout << c.nombre << "\n    " << c.sql << "\n";
    imprimirPlan(base, c.sql);
    recorrer(base, c.sql); // pages into the cache
    contador.reiniciar();
    const long long filas = recorrer(base, c.sql);
    const long long llamadas = contador.llamadas();
    const double espanol = msRecorrido(base, c.sql);
    contador.usarBytes(true);
    const double bytes = msRecorrido(base, c.sql);
    contador.usarBytes(false);
    // The same statement reading the table in its own order instead of
    // walking an index the plan chose.
    std::string sinIndices = c.sql;
    const std::string tabla = "FROM presta ";
    sinIndices.replace(sinIndices.find(tabla), tabla.size(), "FROM presta NOT INDEXED ");
    std::cout << "    filas " << filas << ", llamadas a la colación " << llamadas << "\n";
    medida("todas las filas, colación española", espanol);
    medida("todas las filas, comparación de bytes en su lugar", bytes);
    medida("costo estimado de la colación", espanol - bytes);
    medida("todas las filas con FROM presta NOT INDEXED", msRecorrido(base, sinIndices));
}

// A candidate index: its statement and the queries it is meant for.
struct Candidato {
    std::string definicion;
    std::vector<std::size_t> consultas; // positions in consultasMedidas()
};

void probarCandidato(BaseDatos& base, ContadorColeccion& contador, const Candidato& c,
                     const std::vector<Consulta>& consultas) {
    std::cout << c.definicion << "\n";
    std::vector<double> antes;
    for (std::size_t i : c.consultas) {
        antes.push_back(msRecorrido(base, consultas[i].sql));
    }
    contador.reiniciar();
    const Instante inicio = ahora();
    base.ejecutar(c.definicion);
    medida("construcción (se sumaría a cada carga)", msDesde(inicio));
    std::cout << "    llamadas a la colación " << contador.llamadas() << "\n";
    actualizarEstadisticasPresta(base);
    for (std::size_t k = 0; k < c.consultas.size(); ++k) {
        const Consulta& q = consultas[c.consultas[k]];
        medida(q.nombre + ": antes", antes[k]);
        medida(q.nombre + ": con el índice", msRecorrido(base, q.sql));
        imprimirPlan(base, q.sql);
    }
    base.ejecutar("DROP INDEX medir_candidato");
}

double msEjecutar(BaseDatos& base, const std::string& sql) {
    const Instante inicio = ahora();
    base.ejecutar(sql);
    return msDesde(inicio);
}

struct Indice {
    std::string nombre;
    std::string sql;
};

std::vector<Indice> indicesPresta(BaseDatos& base) {
    Sentencia s(base, "SELECT name, sql FROM sqlite_master WHERE type = 'index' AND "
                      "tbl_name = 'presta' AND sql IS NOT NULL");
    std::vector<Indice> indices;
    while (s.paso()) {
        indices.push_back({s.valor(0).value_or(""), s.valor(1).value_or("")});
    }
    return indices;
}

} // namespace

int perfilConsultas(const std::vector<std::string>& args) {
    Almacen almacen(args.at(0));
    BaseDatos& base = *almacen.ctx.Conexion;
    ContadorColeccion contador(base);
    for (const Consulta& c : consultasMedidas()) {
        perfilDe(base, contador, c);
    }
    return 0;
}

int perfilIndices(const std::vector<std::string>& args) {
    Almacen almacen(args.at(0));
    BaseDatos& base = *almacen.ctx.Conexion;
    ContadorColeccion contador(base);
    // Everything below is rolled back: the store stays as the load left it.
    Transaccion transaccion(base);
    const std::vector<Indice> indices = indicesPresta(base);
    borrarIndicesPresta(base);
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
    const Instante inicio = ahora();
    actualizarEstadisticasPresta(base);
    std::cout << "ANALYZE: " << msDesde(inicio) << " ms, " << contador.llamadas()
              << " llamadas a la colación\n\n";

    std::cout << "Índices que cubren una consulta (su costo para la carga y lo que dan):\n";
    const std::vector<Consulta> consultas = consultasMedidas();
    const std::vector<Candidato> candidatos{
        {"CREATE INDEX medir_candidato ON presta (titulo, tematica, autor, dni)", {0}},
        {"CREATE INDEX medir_candidato ON presta (grado, dni, apellido, nombre, titulo, autor, "
         "tematica, tipo_usu)",
         {1}},
        {"CREATE INDEX medir_candidato ON presta (devuelto)", {2}},
    };
    for (const Candidato& c : candidatos) {
        probarCandidato(base, contador, c, consultas);
    }
    return 0;
}

} // namespace medidas
