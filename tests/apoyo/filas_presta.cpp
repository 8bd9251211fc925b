#include "tests/apoyo/filas_presta.h"

#include "store/almacen.h"
#include "store/registros.h"

#include <stdexcept>

namespace prueba {

namespace {

// Seeding is no statement of the program: it leaves TextoSql as it was.
std::unique_ptr<store::Registros> anexador(store::Contexto& ctx,
                                           const std::string& tabla = "presta") {
    return store::Registros::anexador(store::ConexionAbierta(ctx), "SELECT * FROM " + tabla);
}

} // namespace

void agregarPresta(store::Contexto& ctx, const ColumnasPresta& fila, int veces) {
    auto filas = anexador(ctx);
    for (int i = 0; i < veces; ++i) {
        filas->agregarNuevo();
        for (const auto& [columna, valor] : fila) {
            filas->fijar(columna, valor);
        }
        filas->actualizar();
    }
}

void agregarFilasPresta(store::Contexto& ctx, const std::vector<std::string>& columnas,
                        const std::vector<Fila>& filas) {
    agregarFilas(ctx, "presta", columnas, filas);
}

void agregarFilas(store::Contexto& ctx, const std::string& tabla,
                  const std::vector<std::string>& columnas, const std::vector<Fila>& filas) {
    auto anexo = anexador(ctx, tabla);
    for (const Fila& fila : filas) {
        if (fila.size() != columnas.size()) {
            throw std::invalid_argument("una fila de " + tabla + " no tiene un valor por columna");
        }
        anexo->agregarNuevo();
        for (std::size_t c = 0; c < columnas.size(); ++c) {
            if (fila[c]) {
                anexo->fijar(columnas[c], *fila[c]);
            }
        }
        anexo->actualizar();
    }
}

std::vector<Fila> filasDe(store::Registros& registros) {
    std::vector<Fila> filas;
    for (; !registros.fin(); registros.siguiente()) {
        Fila fila;
        for (int i = 0; i < registros.columnas(); ++i) {
            fila.push_back(registros.valor(i));
        }
        filas.push_back(std::move(fila));
    }
    return filas;
}

std::vector<Fila> filasDe(store::Contexto& ctx, const std::string& sql) {
    return filasDe(*store::EjecutarConsulta(ctx, sql));
}

} // namespace prueba
