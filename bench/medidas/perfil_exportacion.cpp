#include "bench/medidas/perfil.h"

#include "bench/medidas/comun.h"
#include "export/exportacion.h"

#include <sqlite3.h>

#include <algorithm>
#include <iomanip>
#include <iostream>
#include <map>

namespace medidas {

namespace {

struct Ejecucion {
    std::string sql;
    double ms; // its own time, without the statements run while it stayed open
};

// The statements open at a time: the export keeps a list's statement open
// while it runs the statements of each entry.
struct Traza {
    struct Abierta {
        void* sentencia;
        Instante inicio;
        double hijas = 0;
    };
    std::vector<Abierta> abiertas;
    std::vector<Ejecucion> ejecuciones;

    void empieza(void* sentencia) { abiertas.push_back({sentencia, ahora()}); }
    void termina(void* sentencia) {
        const auto it = std::find_if(abiertas.rbegin(), abiertas.rend(),
                                     [&](const Abierta& a) { return a.sentencia == sentencia; });
        if (it == abiertas.rend()) {
            return;
        }
        const double total = msDesde(it->inicio);
        ejecuciones.push_back(
            {sqlite3_sql(static_cast<sqlite3_stmt*>(sentencia)), total - it->hijas});
        abiertas.erase(std::next(it).base());
        if (!abiertas.empty()) {
            abiertas.back().hijas += total;
        }
    }
};

int alTrazar(unsigned tipo, void* traza, void* sentencia, void*) {
    auto* t = static_cast<Traza*>(traza);
    if (tipo == SQLITE_TRACE_STMT) {
        t->empieza(sentencia);
    } else if (tipo == SQLITE_TRACE_PROFILE) {
        t->termina(sentencia);
    }
    return 0;
}

// The statement with every quoted literal as '?': the statements of one kind
// differ only in their grade, subject or member type.
std::string forma(const std::string& sql) {
    std::string f;
    bool dentro = false;
    for (char c : sql) {
        if (c == '\'') {
            if (!dentro) {
                f += "'?'";
            }
            dentro = !dentro;
        } else if (!dentro) {
            f += c;
        }
    }
    return f;
}

struct Grupo {
    std::string ejemplo;
    int cantidad = 0;
    double ms = 0;
    double maximo = 0;
};

} // namespace

int perfilExportacion(const std::vector<std::string>& args) {
    Almacen almacen(args.at(0));
    store::BaseDatos& base = *almacen.ctx.Conexion;
    ContadorColeccion contador(base);
    Traza traza;
    sqlite3_trace_v2(base.manejador(), SQLITE_TRACE_STMT | SQLITE_TRACE_PROFILE, alTrazar, &traza);
    // With a transaction open the export runs every section on this one
    // connection, so each statement passes through the trace.
    store::Transaccion transaccion(base);
    const exportacion::PeriodoExportacion todo{};
    const Instante inicio = ahora();
    const std::string documento =
        exportacion::DocumentoExportacion(almacen.ctx, exportacion::FiltroExportacion(todo), todo);
    const double total = msDesde(inicio);
    const std::vector<Ejecucion>& ejecuciones = traza.ejecuciones;
    double enSentencias = 0;
    std::map<std::string, Grupo> grupos;
    for (const Ejecucion& e : ejecuciones) {
        enSentencias += e.ms;
        Grupo& g = grupos[forma(e.sql)];
        g.ejemplo = e.sql;
        ++g.cantidad;
        g.ms += e.ms;
        g.maximo = std::max(g.maximo, e.ms);
    }
    std::cout << std::fixed << std::setprecision(1) << "Exportación en una conexión: " << total
              << " ms, " << documento.size() << " bytes; " << ejecuciones.size() << " sentencias, "
              << enSentencias << " ms en ellas; " << contador.llamadas()
              << " llamadas a la colación\n";
    std::vector<std::pair<std::string, Grupo>> orden(grupos.begin(), grupos.end());
    std::sort(orden.begin(), orden.end(),
              [](const auto& a, const auto& b) { return a.second.ms > b.second.ms; });
    // The plans of the costliest kinds, from one statement of each.
    constexpr std::size_t ConPlan = 6;
    for (std::size_t i = 0; i < orden.size(); ++i) {
        const auto& [texto, g] = orden[i];
        std::cout << std::setw(8) << g.ms << " ms " << std::setw(4) << g.cantidad << " × (máx "
                  << std::setw(5) << g.maximo << ") " << texto << "\n";
        if (i < ConPlan && g.ejemplo.rfind("SELECT", 0) == 0) {
            imprimirPlan(base, g.ejemplo);
        }
    }
    return 0;
}

} // namespace medidas
