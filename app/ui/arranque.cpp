#include "app/ui/arranque.h"

#include "app/ui/frm_configPath.h"
#include "app/ui/frm_principal.h"
#include "isis/ui/frm_carga.h"

#include <QCoreApplication>

Arranque::Arranque(std::string carpeta, const Reloj& reloj, Dialogos& dialogos)
    : terminar([](int codigo) { QCoreApplication::exit(codigo); }),
      ctx_(std::move(carpeta), reloj, dialogos), principal_(std::make_unique<frm_principal>(ctx_)) {
    principal_->alRecargar = [this] { iniciar(); };
}

Arranque::~Arranque() {
    delete carga_;
}

frm_carga* Arranque::carga() const {
    return carga_;
}

void Arranque::iniciar() {
    if (carga_) {
        carga_->raise();
        return;
    }
    carga_ = new frm_carga(ctx_);
    carga_->setAttribute(Qt::WA_DeleteOnClose);
    carga_->alTerminar = [this](const ResultadoCarga& r) { alTerminarCarga(r); };
    carga_->show();
}

void Arranque::alTerminarCarga(const ResultadoCarga& resultado) {
    switch (resultado.tipo) {
    case ResultadoCarga::Tipo::Exito:
        principal_->show();
        principal_->activarMenus(true);
        break;
    case ResultadoCarga::Tipo::FaltaRuta:
        principal_->show();
        principal_->mostrarUnica<frm_configPath>(ctx_)->setWindowTitle(MensajeFaltaRuta);
        principal_->activarMenus(false);
        break;
    case ResultadoCarga::Tipo::Error:
        // The error has been shown; a reload leaves the main window as it was.
        if (!principal_->isVisible()) {
            terminar(1);
        }
        break;
    case ResultadoCarga::Tipo::SinAlmacen:
        terminar(1);
        break;
    }
}
