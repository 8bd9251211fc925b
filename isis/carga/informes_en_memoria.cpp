#include "isis/carga/informes_en_memoria.h"

#include "core/reloj.h"
#include "isis/carga/anexo_filas.h"
#include "store/base_datos.h"
#include "store/esquema.h"

namespace carga {

namespace {

template <typename Fila, std::size_t N>
void Insertar(store::BaseDatos& base, const std::string& tabla,
              const std::array<const char*, N>& columnas, const std::vector<Fila>& filas) {
    AnexoFilas anexo(store::Registros::anexador(base, "SELECT * FROM " + tabla), columnas);
    anexo.anexar(filas.data(), filas.data() + filas.size());
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
    return store::BaseSerializada(memoria);
}

} // namespace carga
