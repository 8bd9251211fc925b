#pragma once

#include "store/base_datos.h"

#include <sqlite3.h>

#include <string>

namespace prueba {

// Counts the SELECT statements the engine runs on one connection.
class ContadorConsultas {
public:
    explicit ContadorConsultas(store::BaseDatos& base) {
        sqlite3_trace_v2(base.manejador(), SQLITE_TRACE_STMT, &ContadorConsultas::contar, this);
    }
    int corridas() const { return corridas_; }

private:
    static int contar(unsigned, void* contador, void* sentencia, void*) {
        const std::string sql = sqlite3_sql(static_cast<sqlite3_stmt*>(sentencia));
        if (sql.rfind("SELECT", 0) == 0) {
            ++static_cast<ContadorConsultas*>(contador)->corridas_;
        }
        return 0;
    }
    int corridas_ = 0;
};

} // namespace prueba
