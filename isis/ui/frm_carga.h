#pragma once

#include "isis/carga/carga.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QProgressBar;
class QTimer;

namespace core::ui {
class Dialogos;
}
namespace store {
struct Contexto;
}

namespace isis::ui {

// The load window: shows the progress of one load run (label lbl1, bar
// ProgressBar), which its timer Timer1 starts as soon as the window is up.
// Shows what the run noted and the error it ended with, hands the outcome on
// and closes.
class frm_carga : public QWidget {
    Q_OBJECT
public:
    frm_carga(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* parent = nullptr);

Q_SIGNALS:
    // The run's outcome, once shown, before the window closes.
    void cargaTerminada(const carga::ResultadoCarga& resultado);

private:
    void Timer1_Timer();
    void mostrarAvance(const std::string& etiqueta, int maximo, int valor);
    void mostrarResultado(const carga::ResultadoCarga& resultado);

    QLabel* lbl1;
    QProgressBar* ProgressBar;
    QTimer* Timer1;
    store::Contexto& ctx_;
    core::ui::Dialogos& dialogos_;
    QElapsedTimer desdeRepintado_;
};

} // namespace isis::ui
