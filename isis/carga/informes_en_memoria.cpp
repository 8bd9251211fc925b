#include "isis/carga/informes_en_memoria.h"

#include "core/reloj.h"
#include "store/base_datos.h"
#include "store/esquema.h"

#include <optional>

namespace carga {

namespace {

// Every row, an empty value as NULL, in order.
template <typename Fila, std::size_t N>
void Insertar(store::BaseDatos& base, const std::string& tabla,
              const std::array<const char*, N>& columnas, const std::vector<Fila>& filas) {
    std::string marcas;
    for (std::size_t c = 0; c < columnas.size(); ++c) {
        marcas += c == 0 ? "?" : ", ?";
    }
    store::Sentencia insercion(base, "INSERT INTO " + tabla + " VALUES (" + marcas + ")");
    for (const Fila& fila : filas) {
        for (std::size_t c = 0; c < N; ++c) {
            const int indice = static_cast<int>(c) + 1;
            if (fila.valores[c].empty()) {
                insercion.enlazar(indice, std::nullopt);
            } else {
                insercion.enlazarSinCopia(indice, fila.valores[c]);
            }
        }
        insercion.paso();
        insercion.reiniciar();
    }
}

} // namespace

store::BaseSerializada EscribirInformesEnMemoria(const DatosCarga& datos) {
    // The tables hold no date: any clock will do.
    const core::Reloj reloj;
    store::BaseDatos memoria(":memory:", reloj);
    store::crearTablasInformes(memoria);
    memoria.ejecutar("BEGIN");
    Insertar(memoria, "usuarios", store::ColumnasUsuarios, datos.usuarios);
    Insertar(memoria, "ejemplares", store::ColumnasEjemplares, datos.ejemplares);
    memoria.ejecutar("COMMIT");
    return store::serializar(memoria);
}

} // namespace carga
