#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace carga {

// Texts to numbers, looked up about once each in no useful order (every
// loan's inventory among the catalogue's copies): the entries lie side by side
// with their hashes, so a look-up reads one entry where a map of nodes reads
// three or four places far apart. The texts stay where they are: they must
// outlive this.
class IndiceClaves {
public:
    // Room for `previstas` texts; more make it grow.
    explicit IndiceClaves(std::size_t previstas);

    // Keeps the first number given for a text, as a map's try_emplace does.
    void agregar(std::string_view clave, std::int32_t numero);
    std::optional<std::int32_t> buscar(std::string_view clave) const;

private:
    struct Entrada {
        std::uint64_t hash = 0;
        std::string_view clave;
        std::int32_t numero = 0;
        bool usada = false;
    };
    // The entry that holds `clave`, or the free one where it would go.
    std::size_t lugar(std::uint64_t hash, std::string_view clave) const;
    void crecer();

    std::vector<Entrada> entradas_;
    std::size_t usadas_ = 0;
};

} // namespace carga
