#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace carga {

// Where the texts of a load run's rows live: large blocks that never move,
// filled one after another. A row keeps views into them, so making a row
// allocates nothing of its own, rows share the texts of one member or one
// copy, and everything goes at once when the run ends.
class TextosCarga {
public:
    // A lasting copy of `texto` (the empty view for an empty one).
    std::string_view guardar(std::string_view texto);

private:
    static constexpr std::size_t TamanoBloque = 1 << 20;

    std::vector<std::unique_ptr<char[]>> bloques_;
    char* libre_ = nullptr;
    std::size_t quedan_ = 0;
};

} // namespace carga
