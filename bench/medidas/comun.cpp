#include "bench/medidas/comun.h"

#include "core/error.h"
#include "store/almacen.h"
#include "store/coleccion_espanol.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iomanip>
#include <iostream>

namespace medidas {

double msEntre(Instante desde, Instante hasta) {
    return std::chrono::duration<double, std::milli>(hasta - desde).count();
}

double msDesde(Instante desde) {
    return msEntre(desde, ahora());
}

double mediana(std::vector<double> valores) {
    if (valores.empty()) {
        return 0;
    }
    std::sort(valores.begin(), valores.end());
    const std::size_t medio = valores.size() / 2;
    return valores.size() % 2 ? valores[medio] : (valores[medio - 1] + valores[medio]) / 2;
}

namespace {

// One "VmXXX:" line of /proc/self/status, in MB.
double memoriaMB(const std::string& campo) {
    std::ifstream estado("/proc/self/status");
    std::string palabra;
    while (estado >> palabra) {
        if (palabra == campo) {
            double kb = 0;
            estado >> kb;
            return kb / 1024.0;
        }
    }
    return 0;
}

} // namespace

double residenteMB() {
    return memoriaMB("VmRSS:");
}

double picoResidenteMB() {
    return memoriaMB("VmHWM:");
}

void anotar(const std::string& clave, double valor) {
    std::cout << clave << " " << valor << std::endl;
}

Almacen::Almacen(const std::string& carpeta) : ctx(carpeta, reloj) {
    store::AbrirBaseDatos(ctx);
}

ContadorColeccion::ContadorColeccion(store::BaseDatos& base) : base_(base) {
    usarBytes(false);
}

void ContadorColeccion::usarBytes(bool siNo) {
    if (sqlite3_create_collation(base_.manejador(), "ESPANOL", SQLITE_UTF8, this,
                                 siNo ? &ContadorColeccion::compararPorBytes
                                      : &ContadorColeccion::comparar) != SQLITE_OK) {
        store::lanzarErrorSqlite(base_.manejador(), "ESPANOL");
    }
}

int ContadorColeccion::comparar(void* contador, int la, const void* a, int lb, const void* b) {
    ++static_cast<ContadorColeccion*>(contador)->llamadas_;
    return store::compararEspanol(
        std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(la)),
        std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(lb)));
}

int ContadorColeccion::compararPorBytes(void* contador, int la, const void* a, int lb,
                                        const void* b) {
    ++static_cast<ContadorColeccion*>(contador)->llamadas_;
    const int r = std::memcmp(a, b, static_cast<std::size_t>(std::min(la, lb)));
    return r != 0 ? r : la - lb;
}

void imprimirPlan(store::BaseDatos& base, const std::string& sql) {
    store::Sentencia s(base, "EXPLAIN QUERY PLAN " + sql);
    while (s.paso()) {
        std::cout << "    plan: " << s.valor(3).value_or("") << "\n";
    }
}

long long recorrer(store::BaseDatos& base, const std::string& sql) {
    store::Sentencia s(base, sql);
    long long filas = 0;
    while (s.paso()) {
        ++filas;
    }
    return filas;
}

double msMediana(int veces, const std::function<void()>& trabajo) {
    std::vector<double> tiempos;
    for (int i = 0; i < veces; ++i) {
        const Instante inicio = ahora();
        trabajo();
        tiempos.push_back(msDesde(inicio));
    }
    return mediana(tiempos);
}

void imprimirMedida(const std::string& que, double ms) {
    std::cout << "    " << std::left << std::setw(56) << que << std::right << std::setw(9)
              << std::fixed << std::setprecision(1) << ms << " ms\n";
}

} // namespace medidas
