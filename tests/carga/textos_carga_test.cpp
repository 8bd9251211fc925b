#include "isis/carga/textos_carga.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// Rows keep views of the texts while many more are stored: none may move or
// be overwritten, whatever their sizes, across many blocks.
TEST(TextosCarga, LasCopiasDuranMientrasSeGuardanMas) {
    carga::TextosCarga textos;
    std::vector<std::pair<std::string, std::string_view>> guardados;
    for (int i = 0; i < 60000; ++i) {
        std::string texto =
            "texto " + std::to_string(i) + std::string(static_cast<std::size_t>(i % 97), 'x');
        if (i % 20000 == 7) {
            // Longer than a block.
            texto.append(3 << 20, static_cast<char>('a' + i % 26));
        }
        const std::string_view copia = textos.guardar(texto);
        guardados.emplace_back(std::move(texto), copia);
    }
    for (const auto& [original, copia] : guardados) {
        ASSERT_EQ(copia, original);
        ASSERT_NE(copia.data(), original.data());
    }
}

TEST(TextosCarga, ElTextoVacioEsLaVistaVacia) {
    carga::TextosCarga textos;
    EXPECT_TRUE(textos.guardar("").empty());
    EXPECT_EQ(textos.guardar("SI"), "SI");
}

} // namespace
