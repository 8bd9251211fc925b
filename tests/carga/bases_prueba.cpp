#include "entorno_carga.h"
#include "escritor_isis.h"

namespace {

void escribirBase(const std::string& ruta, const std::vector<RegistroPrueba>& registros,
                  LineaFst indice) {
    EscritorIsis escritor(ruta, {.fst = {indice}});
    for (const RegistroPrueba& r : registros) {
        Registro registro;
        for (const auto& [tag, texto] : r) {
            registro.push_back({tag, texto});
        }
        escritor.agregar(registro);
    }
    escritor.cerrar();
}

} // namespace

void BasesPrueba::escribir(const std::string& carpeta) const {
    escribirBase(carpeta + "/PRESTA", prestamos, {.id = 1, .tag = 20});
    escribirBase(carpeta + "/USUARIOS", usuarios, {.id = 1, .tag = 20});
    escribirBase(carpeta + "/MARC", marc, {.id = 1, .tag = 900, .prefijo = "I:"});
}
