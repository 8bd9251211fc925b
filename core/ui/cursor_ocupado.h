#pragma once

namespace core::ui {

// The hourglass pointer for as long as this object lives: set when it is
// made, the previous pointer back when it goes, whichever way the scope ends
// (an error thrown included). Guards nest.
class CursorOcupado {
public:
    CursorOcupado();
    ~CursorOcupado();
    CursorOcupado(const CursorOcupado&) = delete;
    CursorOcupado& operator=(const CursorOcupado&) = delete;
};

} // namespace core::ui
