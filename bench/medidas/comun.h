#pragma once

#include "core/reloj.h"
#include "store/contexto.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

// What the measuring subcommands share: the store of a data folder, clocks,
// memory readings and the "key value" lines the driving script reads.
namespace medidas {

using Instante = std::chrono::steady_clock::time_point;

inline Instante ahora() {
    return std::chrono::steady_clock::now();
}
double msEntre(Instante desde, Instante hasta);
double msDesde(Instante desde);
double mediana(std::vector<double> valores);

// Resident memory now and its peak so far (VmHWM), in MB.
double residenteMB();
double picoResidenteMB();

// One figure on standard output: "clave valor".
void anotar(const std::string& clave, double valor);

// The store of an application folder, opened as the program opens it.
struct Almacen {
    explicit Almacen(const std::string& carpeta);
    core::Reloj reloj;
    store::Contexto ctx;
};

// Counts the calls of the store's Spanish collation on one connection by
// putting a counting wrapper in its place (same comparison, same order).
class ContadorColeccion {
public:
    explicit ContadorColeccion(store::BaseDatos& base);
    long long llamadas() const { return llamadas_; }
    void reiniciar() { llamadas_ = 0; }
    // Replaces the collation with a plain byte comparison (what the engine's
    // own BINARY does), to tell how much of a statement's time the Spanish
    // comparison costs; `false` puts the counting Spanish one back.
    void usarBytes(bool siNo);

private:
    static int comparar(void* contador, int la, const void* a, int lb, const void* b);
    static int compararPorBytes(void* contador, int la, const void* a, int lb, const void* b);
    store::BaseDatos& base_;
    long long llamadas_ = 0;
};

// The engine's plan of the statement, one "    plan: ..." line per step.
void imprimirPlan(store::BaseDatos& base, const std::string& sql);

// Rows of a statement the caller only wants to step through (and count).
long long recorrer(store::BaseDatos& base, const std::string& sql);
// The median time of `veces` runs of `trabajo`.
double msMediana(int veces, const std::function<void()>& trabajo);
// "    que ....  12.3 ms", the profiles' line for one time.
void imprimirMedida(const std::string& que, double ms);

} // namespace medidas
