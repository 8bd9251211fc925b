#pragma once

#include <string>

namespace store {

class BaseDatos;

// How the engine plans to read the tables of a statement, from its query plan.
struct PlanConsulta {
    // Some table is searched through an index, or walked through one.
    bool porIndice = false;
    // Some table is searched (only some of its rows are read).
    bool busca = false;
    // How many tables are walked whole.
    int recorridos = 0;
    // Some table is walked whole through an index that does not hold the
    // columns asked for: every row then costs a look-up of its own.
    bool recorreIndiceEntero = false;
    // The groups are sorted apart (a temporary B-tree), whatever order the
    // rows come in.
    bool agrupaAparte = false;
};

// The plan of `sql`, in the engine's own dialect. Throws Error as a statement does.
PlanConsulta planDe(BaseDatos& base, const std::string& sql);

// `sql` read in table order (enOrdenDeTabla) when its plan reads one table,
// all of it, through an index only to sort the groups apart afterwards: the
// walk gives nothing the sort needs and costs a look-up per row. Unchanged
// otherwise. Rows that group or sort equal come in the same order either
// way, so the result is the same. Throws Error as a statement does.
std::string sinRecorridoPorIndice(BaseDatos& base, const std::string& sql);

} // namespace store
