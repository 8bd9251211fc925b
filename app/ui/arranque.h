#pragma once

#include "core/carpetas.h"
#include "store/contexto.h"

#include <QObject>
#include <QPointer>

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
class Arranque : public QObject {
    Q_OBJECT
public:
    Arranque(const core::Carpetas& carpetas, const core::Reloj& reloj,
             core::ui::Dialogos& dialogos);
    ~Arranque() override;
    // Shows a fresh load window; its timer starts the load run.
    void iniciar();
    frm_principal& principal() { return *principal_; }
    store::Contexto& contexto() { return ctx_; }
    // The load window while it is shown.
    isis::ui::frm_carga* carga() const;

    // What the paths dialog explains on the first start, with no settings
    // yet, and when a saved path does not lead to a database.
    static constexpr const char* MensajePrimerInicio =
        "Bienvenido. Para empezar, indique dónde están las tres bases de datos ISIS de la "
        "biblioteca: la de préstamos, la de usuarios y la bibliográfica. Escriba cada ruta o "
        "búsquela con «...», pulse «Grabar» y después elija «Recargar» en el menú.";
    static constexpr const char* MensajeRutaNoEncontrada =
        "No se encontró alguna de las tres bases de datos ISIS en la ruta indicada. Corrija la "
        "ruta, pulse «Grabar» y después elija «Recargar» en el menú.";

Q_SIGNALS:
    // The first load failed, or the store cannot be opened: the program is
    // to end with this exit code.
    void salidaPedida(int codigo);

private:
    void pedirRutas();
    void alTerminarCarga(const carga::ResultadoCarga& resultado);

    store::Contexto ctx_;
    core::ui::Dialogos& dialogos_;
    std::unique_ptr<frm_principal> principal_;
    QPointer<isis::ui::frm_carga> carga_;
};

} // namespace app::ui
