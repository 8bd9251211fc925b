#pragma once

#include "store/contexto.h"

#include <QPointer>

#include <functional>
#include <memory>

namespace carga {
struct ResultadoCarga;
}
namespace core::ui {
class Dialogos;
}

namespace isis::ui {
class frm_carga;
}

namespace app::ui {

class frm_principal;

// Owns the program's shared state and its main window, and runs the start-up:
// the load window first, then the main window or the paths dialog inside it.
// "Recargar" runs the same hand-over again while the main window stays.
class Arranque {
public:
    Arranque(std::string carpeta, const core::Reloj& reloj, core::ui::Dialogos& dialogos);
    ~Arranque();
    // Shows a fresh load window; its timer starts the load run.
    void iniciar();
    frm_principal& principal() { return *principal_; }
    store::Contexto& contexto() { return ctx_; }
    // The load window while it is shown.
    isis::ui::frm_carga* carga() const;

    // Ends the program (with its exit code) when the first load fails.
    std::function<void(int)> terminar;

private:
    void alTerminarCarga(const carga::ResultadoCarga& resultado);

    store::Contexto ctx_;
    core::ui::Dialogos& dialogos_;
    std::unique_ptr<frm_principal> principal_;
    QPointer<isis::ui::frm_carga> carga_;
};

} // namespace app::ui
