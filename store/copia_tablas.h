#pragma once

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>

namespace store {

class BaseDatos;

// A database's whole content as the engine laid it out in memory: tables one
// connection wrote, for another connection to copy whole.
class BaseSerializada {
public:
    // The content of a database held in memory by `base`. Throws Error.
    explicit BaseSerializada(BaseDatos& base);

    unsigned char* bytes() const { return bytes_.get(); }
    std::size_t tamano() const { return tamano_; }

private:
    struct Liberar {
        void operator()(unsigned char* bytes) const;
    };
    std::unique_ptr<unsigned char, Liberar> bytes_;
    std::size_t tamano_ = 0;
};

// Tables of a serialised database copied into a store's connection, through
// the schema "copia" attached beside it from the first copy until this goes:
// made before a transaction, this goes after it has ended, as the engine lets
// the schema go only then. The engine reads the bytes where they are,
// without a copy of its own: they must outlive this.
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
