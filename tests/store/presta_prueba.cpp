#include "tests/store/presta_prueba.h"

#include "store/almacen.h"

namespace prueba {

AlmacenDePrueba::AlmacenDePrueba() {
    store::AbrirBaseDatos(ctx);
}

void AlmacenDePrueba::agregar(const std::map<std::string, std::string>& fila) {
    auto anexo = store::EjecutarConsulta(ctx, "SELECT * FROM presta;", store::adOpenDynamic,
                                         store::adLockPessimistic);
    anexo->agregarNuevo();
    for (const auto& [columna, valor] : fila) {
        anexo->fijar(columna, valor);
    }
    anexo->actualizar();
}

std::vector<std::vector<std::string>> AlmacenDePrueba::filas(const std::string& sql) {
    ctx.TextoSql = sql;
    auto r =
        store::EjecutarConsulta(ctx, ctx.TextoSql, store::adOpenForwardOnly, store::adLockReadOnly);
    std::vector<std::vector<std::string>> salida;
    for (; !r->fin(); r->siguiente()) {
        std::vector<std::string> fila;
        for (int i = 0; i < r->columnas(); ++i) {
            fila.push_back(r->valor(i).value_or("<null>"));
        }
        salida.push_back(fila);
    }
    return salida;
}

} // namespace prueba
