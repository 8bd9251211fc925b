#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace store {

class BaseDatos;

// A database's whole content as bytes: tables one connection wrote, for
// another connection to copy whole.
using BaseSerializada = std::vector<unsigned char>;

// The content of a database held in memory by `base`.
BaseSerializada serializar(BaseDatos& base);

// Tables of a serialised database copied into a store's connection, through
// the schema "copia" attached beside it from the first copy until this goes:
// made before a transaction, this goes after it has ended, as the engine
// lets the schema go only then.
class CopiaAdjunta {
public:
    explicit CopiaAdjunta(BaseDatos& base) : base_(base) {}
    ~CopiaAdjunta();
    CopiaAdjunta(const CopiaAdjunta&) = delete;
    CopiaAdjunta& operator=(const CopiaAdjunta&) = delete;

    // Appends every row of each table of `copia` to the store's table of
    // the same name, which has the same columns, collations and no index:
    // the engine moves the rows' records as they are, without decoding them.
    void copiar(const BaseSerializada& copia, std::initializer_list<std::string> tablas);

private:
    BaseDatos& base_;
    bool adjunta_ = false;
};

} // namespace store
