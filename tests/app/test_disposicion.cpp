#include "core/ui/disposicion.h"

#include <gtest/gtest.h>

namespace {

using core::ui::Crecimiento;
using core::ui::Rectangulo;
using core::ui::Ubicacion;

// A control that keeps 5000 × 2000 twips up to a window of 6000 × 4000 and
// follows the window beyond, less 1000 wide and less 2000 high.
const Ubicacion Creciente{
    "txt", {120, 1200, 5000, 2000}, Crecimiento{6000, 5000, 1000}, Crecimiento{4000, 2000, 2000}};

} // namespace

TEST(Disposicion, CadaLadoSigueALaVentanaSoloPasadoSuUmbral) {
    EXPECT_EQ(core::ui::ubicar(Creciente, 3000, 1000), (Rectangulo{120, 1200, 5000, 2000}));
    EXPECT_EQ(core::ui::ubicar(Creciente, 6000, 4000), (Rectangulo{120, 1200, 5000, 2000}));
    // One twip past the threshold the rule takes over, even where that makes
    // the control smaller than the size it kept until then.
    EXPECT_EQ(core::ui::ubicar(Creciente, 6001, 4001), (Rectangulo{120, 1200, 5001, 2001}));
    EXPECT_EQ(core::ui::ubicar(Creciente, 9000, 3000), (Rectangulo{120, 1200, 8000, 2000}));
    EXPECT_EQ(core::ui::ubicar(Creciente, 3000, 7000), (Rectangulo{120, 1200, 5000, 5000}));
}

TEST(Disposicion, SinReglaElControlQuedaComoSeDiseno) {
    const Ubicacion fijo{"cmd", {10680, 420, 495, 375}};
    for (const auto& [ancho, alto] : {std::pair{100, 100}, {12000, 9000}, {40000, 30000}}) {
        EXPECT_EQ(core::ui::ubicar(fijo, ancho, alto), fijo.diseno);
    }
    const Ubicacion soloAncho{"lbl", {120, 3720, 9975, 270}, Crecimiento{10350, 9975, 375}};
    EXPECT_EQ(core::ui::ubicar(soloAncho, 15000, 10000), (Rectangulo{120, 3720, 14625, 270}));
}
