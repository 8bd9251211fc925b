#pragma once

// Positions and sizes on screen and paper are kept in twips (1/1440 inch).
namespace core::twips {

constexpr int PorPulgada = 1440;

constexpr int aPixeles(int t, double dpi) {
    return static_cast<int>(t * dpi / PorPulgada + (t >= 0 ? 0.5 : -0.5));
}
constexpr int desdePixeles(int px, double dpi) {
    return static_cast<int>(px * PorPulgada / dpi + (px >= 0 ? 0.5 : -0.5));
}

} // namespace core::twips
