#include "export/vencidos_aparte.h"

#include "export/sentencias_exportacion.h"
#include "store/base_datos.h"

#include <string>
#include <vector>

namespace exportacion {

namespace {

// `sql` with `prefijo` in front replaced by `nuevo`.
std::string conPrefijo(const std::string& sql, const std::string& prefijo,
                       const std::string& nuevo) {
    return sql.rfind(prefijo, 0) == 0 ? nuevo + sql.substr(prefijo.size()) : sql;
}

} // namespace

void ApartarVencidos(store::BaseDatos& base) {
    std::string tabla;
    std::vector<std::string> indices;
    store::Sentencia esquema(base, "SELECT type, sql FROM main.sqlite_master "
                                   "WHERE tbl_name = 'presta' AND sql IS NOT NULL");
    while (esquema.paso()) {
        const std::string sql = esquema.valor(1).value_or("");
        if (esquema.valor(0) == "table") {
            tabla = conPrefijo(sql, "CREATE TABLE ", "CREATE TEMP TABLE ");
        } else {
            indices.push_back(conPrefijo(sql, "CREATE INDEX ", "CREATE INDEX temp."));
        }
    }
    if (tabla.empty()) {
        return; // the statements report the missing table themselves
    }
    base.ejecutar(tabla);
    // In rowid order, so rows that group together keep their relative order
    // and each group shows the same row's values as over the whole table.
    base.ejecutar("INSERT INTO temp.presta SELECT * FROM main.presta WHERE " + CondicionVencidos() +
                  " ORDER BY rowid");
    for (const std::string& indice : indices) {
        base.ejecutar(indice);
    }
}

} // namespace exportacion
