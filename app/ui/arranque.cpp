#include "app/ui/arranque.h"

#include "app/ui/frm_configPath.h"
#include "app/ui/frm_principal.h"
#include "app/ui/menus_informes.h"
#include "core/archivo_ini.h"
#include "isis/ui/frm_carga.h"
#include "reports/ranking_filas.h"

#include <filesystem>

namespace app::ui {

Arranque::Arranque(const core::Carpetas& carpetas, const core::Reloj& reloj,
                   core::ui::Dialogos& dialogos)
    : ctx_(carpetas, reloj), dialogos_(dialogos),
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

// With no settings file yet this is the first start: the dialog says what
// to do instead of reporting a path it never had.
void Arranque::pedirRutas() {
    auto* rutas = principal_->mostrarUnica<frm_configPath>(ctx_, dialogos_);
    std::error_code ec;
    if (!std::filesystem::exists(core::Archivo_Ini(ctx_.carpetaConfiguracion).ruta(), ec)) {
        rutas->explicar(QString::fromUtf8(MensajePrimerInicio));
        return;
    }
    rutas->setWindowTitle(carga::MensajeFaltaRuta);
    rutas->explicar(QString::fromUtf8(MensajeRutaNoEncontrada));
}

void Arranque::alTerminarCarga(const carga::ResultadoCarga& resultado) {
    switch (resultado.tipo) {
    case carga::ResultadoCarga::Tipo::Exito:
        principal_->mostrar();
        principal_->activarMenus(true);
        // Grouping every loan takes a moment; done now, on another thread,
        // the ranking window's first refresh finds it done.
        reports::ranking::AnticiparRankings(ctx_);
        if (ResumenAlCargar(ctx_)) {
            AbrirResumen(*principal_, ctx_, dialogos_);
        }
        break;
    case carga::ResultadoCarga::Tipo::FaltaRuta:
        principal_->mostrar();
        pedirRutas();
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
