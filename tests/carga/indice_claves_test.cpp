#include "isis/carga/indice_claves.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

// Against a map's try_emplace and find: keys given twice keep their first
// number, the empty text is a key like any other, far more keys than
// foreseen make the index grow, and texts never given are not found.
TEST(IndiceClaves, DaLoQueDariaUnMapa) {
    std::mt19937 azar(7);
    std::uniform_int_distribution<int> largo(0, 14);
    std::uniform_int_distribution<int> letra('0', 'C');
    std::vector<std::string> textos;
    for (int i = 0; i < 20000; ++i) {
        std::string t = "I:";
        for (int n = largo(azar); n > 0; --n) {
            t += static_cast<char>(letra(azar));
        }
        textos.push_back(t);
    }
    textos.push_back("");
    textos.push_back(textos[5]); // again, with another number
    carga::IndiceClaves indice(100);
    std::unordered_map<std::string_view, std::int32_t> mapa;
    for (std::size_t i = 0; i < textos.size(); ++i) {
        indice.agregar(textos[i], static_cast<std::int32_t>(i));
        mapa.try_emplace(textos[i], static_cast<std::int32_t>(i));
    }
    std::vector<std::string> buscados = textos;
    for (int i = 0; i < 5000; ++i) {
        buscados.push_back("X" + std::to_string(i));
        buscados.push_back(textos[static_cast<std::size_t>(i)] + "Z");
    }
    std::size_t hallados = 0;
    for (const std::string& t : buscados) {
        const auto esperado = mapa.find(t);
        const std::optional<std::int32_t> hallado = indice.buscar(t);
        ASSERT_EQ(hallado.has_value(), esperado != mapa.end()) << t;
        if (hallado) {
            EXPECT_EQ(*hallado, esperado->second) << t;
            ++hallados;
        }
    }
    EXPECT_GE(hallados, textos.size());
    EXPECT_EQ(indice.buscar(textos[5]), 5);
    EXPECT_EQ(indice.buscar(""), static_cast<std::int32_t>(textos.size() - 2));
}

} // namespace
