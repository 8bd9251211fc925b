#pragma once

#include "contexto.h"
#include "dialogos_qt.h"
#include "reloj.h"

#include <memory>

class frm_principal;

// Owns the program's shared state and its main window, and runs the start-up.
class Arranque {
public:
    explicit Arranque(std::string carpeta);
    ~Arranque();
    void iniciar();
    frm_principal& principal() { return *principal_; }

private:
    Reloj reloj_;
    DialogosQt dialogos_;
    Contexto ctx_;
    std::unique_ptr<frm_principal> principal_;
};
