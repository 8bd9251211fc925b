#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace isis {

// One posting of a key: the record and where in it the key came from.
struct Posting {
    std::int32_t mfn = 0;
    std::int32_t tag = 0;
    std::int32_t ocurrencia = 0;
    std::int32_t contador = 0;
};

// The keys of a database and their postings: its inverted file, or an index
// made in memory from its field-select table. Keys are bytes in the
// database's code page, upper-cased, without trailing blanks, at most 30 bytes.
class Diccionario {
public:
    using Visita = std::function<void(std::string_view clave, const std::vector<Posting>&)>;

    virtual ~Diccionario() = default;
    // The postings of one key, in file order (ascending MFN); empty when absent.
    virtual std::vector<Posting> postings(std::string_view clave) const = 0;
    // Every key starting with `prefijo` (all keys for an empty one), with its
    // postings, in the dictionary's own order.
    virtual void recorrer(std::string_view prefijo, const Visita& visita) const = 0;
};

// Longest key an inverted file holds.
constexpr std::size_t kLargoMaximoClave = 30;

} // namespace isis
