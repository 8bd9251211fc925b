#include "isis/ui/frm_carga.h"

#include "core/ui/cursor_ocupado.h"
#include "core/ui/dialogos.h"
#include "core/ui/mostrar_error.h"
#include "store/contexto.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>

namespace isis::ui {

namespace {

// The run notices every record; the window hears a new label or maximum, the
// full bar, and otherwise at most one value in this time.
constexpr auto EntreAvisos = std::chrono::milliseconds(20);

} // namespace

frm_carga::frm_carga(store::Contexto& ctx, core::ui::Dialogos& dialogos, QWidget* parent)
    : QWidget(parent, Qt::Window), lbl1(new QLabel("Cargando datos de prestamos", this)),
      ProgressBar(new QProgressBar(this)), Timer1(new QTimer(this)), ctx_(ctx),
      dialogos_(dialogos) {
    setObjectName("frm_carga");
    setWindowTitle("Cargando datos Estadisticos");
    setWindowModality(Qt::ApplicationModal);
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

frm_carga::~frm_carga() {
    if (trabajo_.joinable()) {
        trabajo_.join();
    }
}

void frm_carga::closeEvent(QCloseEvent* evento) {
    if (trabajo_.joinable()) {
        evento->ignore();
        return;
    }
    QWidget::closeEvent(evento);
}

void frm_carga::Timer1_Timer() {
    Timer1->stop();
    ocupado_ = std::make_unique<core::ui::CursorOcupado>();
    trabajo_ = std::thread([this] {
        // The run's notices come one at a time (from its two threads), so
        // this state needs no lock of its own.
        std::string etiquetaVista;
        int maximoVisto = -1;
        auto ultimoAviso = std::chrono::steady_clock::time_point{};
        const carga::ResultadoCarga resultado =
            carga::CargarDatos(ctx_, [&](const std::string& etiqueta, int maximo, int valor) {
                const auto ahora = std::chrono::steady_clock::now();
                if (etiqueta == etiquetaVista && maximo == maximoVisto && valor != maximo &&
                    ahora - ultimoAviso < EntreAvisos) {
                    return;
                }
                etiquetaVista = etiqueta;
                maximoVisto = maximo;
                ultimoAviso = ahora;
                QMetaObject::invokeMethod(
                    this,
                    [this, texto = QString::fromStdString(etiqueta), maximo, valor] {
                        mostrarAvance(texto, maximo, valor);
                    },
                    Qt::QueuedConnection);
            });
        QMetaObject::invokeMethod(
            this, [this, resultado] { terminar(resultado); }, Qt::QueuedConnection);
    });
}

void frm_carga::terminar(const carga::ResultadoCarga& resultado) {
    trabajo_.join();
    ocupado_.reset();
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

void frm_carga::mostrarAvance(const QString& etiqueta, int maximo, int valor) {
    if (etiqueta != lbl1->text()) {
        lbl1->setText(etiqueta);
    }
    ProgressBar->setMaximum(maximo);
    ProgressBar->setValue(valor);
}

} // namespace isis::ui
