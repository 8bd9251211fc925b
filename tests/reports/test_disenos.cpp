#include "reports/ui/disenos.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using core::ui::Rectangulo;
using core::ui::Ubicacion;

const Ubicacion& fila(const std::vector<Ubicacion>& tabla, const std::string& nombre) {
    for (const Ubicacion& u : tabla) {
        if (u.nombre == nombre) {
            return u;
        }
    }
    throw std::logic_error("sin fila " + nombre);
}

// A control of a table in a window of ancho × alto twips, and where it goes.
struct Caso {
    const char* nombre;
    int ancho;
    int alto;
    Rectangulo esperado;
};

void comprobar(const std::vector<Ubicacion>& tabla, std::initializer_list<Caso> casos) {
    for (const Caso& c : casos) {
        EXPECT_EQ(core::ui::ubicar(fila(tabla, c.nombre), c.ancho, c.alto), c.esperado)
            << c.nombre << " en " << c.ancho << " x " << c.alto;
    }
}

// Small, at the thresholds, one twip beyond, and large.
constexpr std::pair<int, int> Tamanos[] = {
    {9000, 6000}, {10350, 8490}, {10351, 8491}, {15000, 10000}};

} // namespace

TEST(DisenoVentanasGrilla, LaGrillaSigueALaVentanaPasadoElMinimo) {
    const auto lista = reports::ui::UbicacionesVentanaGrilla(reports::ui::DisenoLista);
    const auto busqueda = reports::ui::UbicacionesVentanaGrilla(reports::ui::DisenoBusqueda);
    // Until the first resize.
    EXPECT_EQ(fila(lista, "fg_usu").diseno, (Rectangulo{120, 2160, 9975, 5775}));
    EXPECT_EQ(fila(busqueda, "fg_usu").diseno, (Rectangulo{120, 1860, 9975, 6195}));
    comprobar(lista, {{"fg_usu", 9000, 6000, {120, 2160, 9975, 5595}},
                      {"fg_usu", 10350, 8490, {120, 2160, 9975, 5595}},
                      {"fg_usu", 10351, 8491, {120, 2160, 9976, 5611}},
                      {"fg_usu", 12000, 9000, {120, 2160, 11625, 6120}}});
    comprobar(busqueda, {{"fg_usu", 10350, 8490, {120, 1860, 9975, 5925}},
                         {"fg_usu", 10351, 8491, {120, 1860, 9976, 5926}},
                         {"fg_usu", 12000, 9000, {120, 1860, 11625, 6435}}});
}

TEST(DisenoVentanasGrilla, ElMarcoYSusControlesNoSeMueven) {
    const auto lista = reports::ui::UbicacionesVentanaGrilla(reports::ui::DisenoLista);
    const auto busqueda = reports::ui::UbicacionesVentanaGrilla(reports::ui::DisenoBusqueda);
    for (const auto& [ancho, alto] : Tamanos) {
        for (const auto& tabla : {lista, busqueda}) {
            comprobar(tabla, {{"cmb_tipousu", ancho, alto, {4560, 360, 2985, 285}},
                              {"cmb_tematica", ancho, alto, {4560, 1080, 5205, 285}},
                              {"lbl_grado", ancho, alto, {3760, 720, 760, 285}},
                              {"DTP_hasta", ancho, alto, {8400, 720, 1335, 315}},
                              {"cmd_buscar", ancho, alto, {10080, 420, 495, 375}},
                              {"cmd_reload", ancho, alto, {10680, 900, 495, 375}}});
        }
        comprobar(lista, {{"Frame1", ancho, alto, {120, 120, 11475, 1935}}});
        comprobar(busqueda, {{"Frame1", ancho, alto, {120, 120, 11475, 1635}}});
    }
}

TEST(DisenoVentanasGrilla, CuadrosDeTextoEnSuFilaConSuEtiqueta) {
    const auto cuadro = reports::ui::UbicacionesCuadroTexto("txt_inventario", 3);
    ASSERT_EQ(cuadro.size(), 2u);
    comprobar(cuadro, {{"lbl_inventario", 15000, 10000, {60, 1440, 735, 315}},
                       {"txt_inventario", 15000, 10000, {855, 1440, 2880, 315}}});
    EXPECT_EQ(reports::ui::NombreEtiqueta("cmb_tipousu"), "lbl_tipousu");
}

TEST(DisenoRanking, ListaYGraficoSiguenAlAnchoYSoloElGraficoAlAlto) {
    const auto ranking = reports::ui::UbicacionesRanking();
    comprobar(ranking, {{"TextLista", 9000, 6000, {120, 120, 9975, 1095}},
                        {"lbl_descipcionBarras", 9000, 6000, {120, 3720, 9975, 270}},
                        {"char_socios", 9000, 6000, {120, 4035, 9975, 4335}},
                        {"char_socios", 10350, 8490, {120, 4035, 9975, 4335}},
                        {"char_socios", 10351, 8491, {120, 4035, 9976, 4336}},
                        {"TextLista", 15000, 10000, {120, 120, 14625, 1095}},
                        {"lbl_descipcionBarras", 15000, 10000, {120, 3720, 14625, 270}},
                        {"char_socios", 15000, 10000, {120, 4035, 14625, 5845}}});
    for (const auto& [ancho, alto] : Tamanos) {
        comprobar(ranking, {{"fra_filtrar", ancho, alto, {120, 1290, 3000, 2400}},
                            {"fra_grafico", ancho, alto, {10720, 1290, 2045, 2400}}});
    }
}
