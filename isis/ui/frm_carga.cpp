#include "isis/ui/frm_carga.h"

#include "core/ui/cursor_ocupado.h"
#include "core/ui/dialogos.h"
#include "core/ui/mostrar_error.h"
#include "store/contexto.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace isis::ui {

namespace {
// Repainting on every record would cost more than the load itself.
constexpr int MilisegundosEntreRepintados = 40;
} // namespace

frm_carga::frm_carga(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* parent)
    : QWidget(parent, Qt::Window), lbl1(new QLabel("Cargando datos de prestamos", this)),
      ProgressBar(new QProgressBar(this)), Timer1(new QTimer(this)), ctx_(ctx),
      dialogos_(dialogos) {
    setObjectName("frm_carga");
    setWindowTitle("Cargando datos Estadisticos");
    lbl1->setObjectName("lbl1");
    ProgressBar->setObjectName("ProgressBar");
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(lbl1);
    disposicion->addWidget(ProgressBar);
    resize(420, 90);

    Timer1->setObjectName("Timer1");
    Timer1->setSingleShot(true);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &frm_carga::Timer1_Timer);
    Timer1->start();
}

void frm_carga::Timer1_Timer() {
    Timer1->stop();
    const carga::ResultadoCarga resultado = [this] {
        const core::ui::CursorOcupado ocupado;
        desdeRepintado_.start();
        return carga::CargarDatos(ctx_, [this](const std::string& etiqueta, int maximo, int valor) {
            mostrarAvance(etiqueta, maximo, valor);
        });
    }();
    mostrarResultado(resultado);
    Q_EMIT cargaTerminada(resultado);
    close();
}

// What the run noted comes first, as it happened before the run ended; then
// the error it ended with, in the style of its kind.
void frm_carga::mostrarResultado(const carga::ResultadoCarga& resultado) {
    for (const std::string& aviso : resultado.avisos) {
        dialogos_.mensaje(aviso);
    }
    using Tipo = carga::ResultadoCarga::Tipo;
    if (resultado.tipo == Tipo::Error) {
        core::ui::mostrarError(dialogos_, *resultado.error, core::ui::EstiloError::TituloError);
    } else if (resultado.tipo == Tipo::SinAlmacen) {
        core::ui::mostrarError(dialogos_, *resultado.error, core::ui::EstiloError::TituloNumero);
    }
}

void frm_carga::mostrarAvance(const std::string& etiqueta, int maximo, int valor) {
    const QString texto = QString::fromStdString(etiqueta);
    const bool cambioEtapa = texto != lbl1->text() || maximo != ProgressBar->maximum();
    if (!cambioEtapa && valor != maximo &&
        desdeRepintado_.elapsed() < MilisegundosEntreRepintados) {
        return;
    }
    lbl1->setText(texto);
    ProgressBar->setMaximum(maximo);
    ProgressBar->setValue(valor);
    // The run holds the only thread: let the window paint now, without
    // letting the user act in the middle of the load.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    desdeRepintado_.restart();
}

} // namespace isis::ui
