#include "arranque.h"

#include "frm_principal.h"

Arranque::Arranque(std::string carpeta)
    : ctx_(std::move(carpeta), reloj_, dialogos_),
      principal_(std::make_unique<frm_principal>(ctx_)) {
    dialogos_.fijarPadre(principal_.get());
}

Arranque::~Arranque() = default;

void Arranque::iniciar() {
    principal_->show();
}
