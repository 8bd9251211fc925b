#include "app/ui/arranque.h"

#include "app/ui/frm_configPath.h"
#include "app/ui/frm_principal.h"
#include "app/ui/menus_informes.h"
#include "isis/ui/frm_carga.h"

namespace app::ui {

Arranque::Arranque(std::string carpeta, const core::Reloj& reloj, core::ui::Dialogos& dialogos)
    : ctx_(std::move(carpeta), reloj), dialogos_(dialogos),
      principal_(std::make_unique<frm_principal>(ctx_, dialogos_)) {
    connect(principal_.get(), &frm_principal::recargaPedida, this, &Arranque::iniciar);
}

Arranque::~Arranque() {
    delete carga_;
}

isis::ui::frm_carga* Arranque::carga() const {
    return carga_;
}

void Arranque::iniciar() {
    if (carga_) {
        carga_->raise();
        return;
    }
    carga_ = new isis::ui::frm_carga(ctx_, dialogos_);
    carga_->setAttribute(Qt::WA_DeleteOnClose);
    connect(carga_, &isis::ui::frm_carga::cargaTerminada, this, &Arranque::alTerminarCarga);
    carga_->show();
}

void Arranque::alTerminarCarga(const carga::ResultadoCarga& resultado) {
    switch (resultado.tipo) {
    case carga::ResultadoCarga::Tipo::Exito:
        principal_->show();
        principal_->activarMenus(true);
        if (ResumenAlCargar(ctx_)) {
            AbrirResumen(*principal_, ctx_, dialogos_);
        }
        break;
    case carga::ResultadoCarga::Tipo::FaltaRuta:
        principal_->show();
        principal_->mostrarUnica<frm_configPath>(ctx_, dialogos_)
            ->setWindowTitle(carga::MensajeFaltaRuta);
        principal_->activarMenus(false);
        break;
    case carga::ResultadoCarga::Tipo::Error:
        // The error has been shown; a reload leaves the main window as it was.
        if (!principal_->isVisible()) {
            Q_EMIT salidaPedida(1);
        }
        break;
    case carga::ResultadoCarga::Tipo::SinAlmacen:
        Q_EMIT salidaPedida(1);
        break;
    }
}

} // namespace app::ui
