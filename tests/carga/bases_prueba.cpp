#include "tests/carga/entorno_carga.h"
#include "tools/escritor/escritor_isis.h"

namespace prueba {

namespace {

// One database indexed by one field, as the load run looks its records up.
void escribirBase(const std::string& ruta, const escritor::LineaFst& indice,
                  const std::vector<escritor::Registro>& registros) {
    escritor::EscritorIsis escritor(ruta, {.fst = {indice}});
    for (const escritor::Registro& r : registros) {
        escritor.agregar(r);
    }
    escritor.cerrar();
}

} // namespace

void BasesPrueba::escribir(const std::string& carpeta) const {
    escribirBase(carpeta + "/PRESTA", {.id = 1, .tag = 20}, prestamos);
    escribirBase(carpeta + "/USUARIOS", {.id = 1, .tag = 20}, usuarios);
    escribirBase(carpeta + "/MARC", {.id = 1, .tag = 900, .prefijo = "I:"}, marc);
}

} // namespace prueba
