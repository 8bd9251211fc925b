#include "bench/medidas/perfil.h"

#include "bench/medidas/comun.h"
#include "bench/medidas/consultas.h"
#include "store/coleccion_espanol.h"

#include <cstring>
#include <iomanip>
#include <iostream>

namespace medidas {

namespace {

constexpr int Veces = 5;

// Where the comparisons' results go, so the compiler keeps them.
volatile long long sumidero = 0;

// Time and collation calls of each statement, then the same with a byte
// comparison in the collation's place (an estimate of what the Spanish
// comparison costs it) and with the table read in its own order instead of
// through the index the plan chose.
void perfilDe(store::BaseDatos& base, ContadorColeccion& contador, const ConsultaMedida& c) {
    std::cout << c.nombre << "\n    " << c.sql << "\n";
    imprimirPlan(base, c.sql);
    recorrer(base, c.sql); // pages into the cache
    contador.reiniciar();
    const long long filas = recorrer(base, c.sql);
    std::cout << "    filas " << filas << ", llamadas a la colación " << contador.llamadas()
              << "\n";
    const auto recorrido = [&base](const std::string& sql) {
        return msMediana(Veces, [&] { recorrer(base, sql); });
    };
    const double espanol = recorrido(c.sql);
    contador.usarBytes(true);
    const double bytes = recorrido(c.sql);
    contador.usarBytes(false);
    std::string sinIndices = c.sql;
    const std::string tabla = "FROM presta ";
    sinIndices.replace(sinIndices.find(tabla), tabla.size(), "FROM presta NOT INDEXED ");
    imprimirMedida("todas las filas, colación española", espanol);
    imprimirMedida("todas las filas, comparación de bytes en su lugar", bytes);
    imprimirMedida("todas las filas con FROM presta NOT INDEXED", recorrido(sinIndices));
}

// The collation alone on the store's own values: each value of a column
// against the next one, as a sort meets them.
void costoPorLlamada(store::BaseDatos& base) {
    std::cout << "La colación por llamada (cada valor contra el siguiente, 20 pasadas):\n";
    for (const char* columna : {"titulo", "autor", "grado", "dni", "devuelto", "tipo_usu"}) {
        std::vector<std::string> valores;
        store::Sentencia s(base, std::string("SELECT ") + columna + " FROM presta WHERE " +
                                     columna + " IS NOT NULL");
        while (s.paso()) {
            valores.push_back(*s.valor(0));
        }
        if (valores.size() < 2) {
            continue;
        }
        const auto nsPorLlamada = [&valores](auto&& comparar) {
            constexpr int Pasadas = 20;
            long long suma = 0;
            const Instante inicio = ahora();
            for (int p = 0; p < Pasadas; ++p) {
                for (std::size_t i = 0; i + 1 < valores.size(); ++i) {
                    suma += comparar(valores[i], valores[i + 1]);
                }
            }
            sumidero = sumidero + suma;
            return msDesde(inicio) * 1e6 / Pasadas / static_cast<double>(valores.size() - 1);
        };
        const double espanol = nsPorLlamada([](const std::string& a, const std::string& b) {
            return store::compararEspanol(a, b);
        });
        const double bytes = nsPorLlamada([](const std::string& a, const std::string& b) {
            const int r = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
            return r != 0 ? r : static_cast<int>(a.size()) - static_cast<int>(b.size());
        });
        std::cout << "  " << std::left << std::setw(10) << columna << std::right << std::fixed
                  << std::setprecision(1) << std::setw(6) << espanol << " ns española, "
                  << std::setw(5) << bytes << " ns bytes (" << valores.size() << " valores)\n";
    }
}

} // namespace

int perfilConsultas(const std::vector<std::string>& args) {
    Almacen almacen(args.at(0));
    store::BaseDatos& base = *almacen.ctx.Conexion;
    ContadorColeccion contador(base);
    for (const ConsultaMedida& c : consultasMedidas()) {
        perfilDe(base, contador, c);
    }
    costoPorLlamada(base);
    return 0;
}

} // namespace medidas
