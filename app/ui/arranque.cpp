#include "app/ui/arranque.h"

#include "app/ui/frm_configPath.h"
#include "app/ui/frm_principal.h"
#include "isis/ui/frm_carga.h"

#include <QCoreApplication>

namespace app::ui {

Arranque::Arranque(std::string carpeta, const core::Reloj& reloj, core::ui::Dialogos& dialogos)
    : terminar([](int codigo) { QCoreApplication::exit(codigo); }), ctx_(std::move(carpeta), reloj),
      dialogos_(dialogos), principal_(std::make_unique<frm_principal>(ctx_, dialogos_)) {
    principal_->alRecargar = [this] { iniciar(); };
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
    carga_->alTerminar = [this](const carga::ResultadoCarga& r) { alTerminarCarga(r); };
    carga_->show();
}

void Arranque::alTerminarCarga(const carga::ResultadoCarga& resultado) {
    switch (resultado.tipo) {
    case carga::ResultadoCarga::Tipo::Exito:
        principal_->show();
        principal_->activarMenus(true);
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
            terminar(1);
        }
        break;
    case carga::ResultadoCarga::Tipo::SinAlmacen:
        terminar(1);
        break;
    }
}

} // namespace app::ui
