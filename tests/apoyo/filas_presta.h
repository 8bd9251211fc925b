#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace store {
struct Contexto;
class Registros;
} // namespace store

// Seeding presta and reading rows back, for every suite that needs a store.
namespace prueba {

using Valor = std::optional<std::string>; // nullopt is NULL
using Fila = std::vector<Valor>;
// One presta row by column; the columns not named stay NULL.
using ColumnasPresta = std::vector<std::pair<std::string, std::string>>;

// Appends the row `veces` times through the program's appender on
// ctx.Conexion, leaving ctx.TextoSql as it was.
void agregarPresta(store::Contexto& ctx, const ColumnasPresta& fila, int veces = 1);
// Appends rows that share their columns: each row gives its values in the
// order of `columnas`.
void agregarFilasPresta(store::Contexto& ctx, const std::vector<std::string>& columnas,
                        const std::vector<Fila>& filas);
// The same for any table of the store (usuarios, ejemplares).
void agregarFilas(store::Contexto& ctx, const std::string& tabla,
                  const std::vector<std::string>& columnas, const std::vector<Fila>& filas);

// Every row left in a row set, columns in its order.
std::vector<Fila> filasDe(store::Registros& registros);
// Every row a statement gives through EjecutarConsulta.
std::vector<Fila> filasDe(store::Contexto& ctx, const std::string& sql);

} // namespace prueba
