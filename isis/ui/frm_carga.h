#pragma once

#include "isis/carga/carga.h"

#include <QWidget>

#include <memory>
#include <thread>

class QLabel;
class QProgressBar;
class QTimer;

namespace core::ui {
class CursorOcupado;
class Dialogos;
} // namespace core::ui
namespace store {
struct Contexto;
}

namespace isis::ui {

// The load window: shows the progress of one load run (label lbl1, bar
// ProgressBar), which its timer Timer1 starts as soon as the window is up.
// The run works on a thread of its own, so the window keeps painting; the
// window is modal to the whole program meanwhile and cannot be closed, so
// the user cannot act until the run ends. The run has the shared state
// (`ctx`) to itself until then. Shows what the run noted and the error it
// ended with, hands the outcome on and closes.
class frm_carga : public QWidget {
    Q_OBJECT
public:
    frm_carga(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* parent = nullptr);
    // Waits for a run still working: it uses the shared state.
    ~frm_carga() override;

Q_SIGNALS:
    // The run's outcome, once shown, before the window closes.
    void cargaTerminada(const carga::ResultadoCarga& resultado);

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void Timer1_Timer();
    void mostrarAvance(const QString& etiqueta, int maximo, int valor);
    void terminar(const carga::ResultadoCarga& resultado);
    void mostrarResultado(const carga::ResultadoCarga& resultado);

    QLabel* lbl1;
    QProgressBar* ProgressBar;
    QTimer* Timer1;
    store::Contexto& ctx_;
    core::ui::Dialogos& dialogos_;
    std::unique_ptr<core::ui::CursorOcupado> ocupado_;
    std::thread trabajo_;
};

} // namespace isis::ui
