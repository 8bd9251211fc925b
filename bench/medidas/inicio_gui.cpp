#include "bench/medidas/inicio_gui.h"

#include "app/ui/arranque.h"
#include "bench/medidas/comun.h"
#include "core/ui/dialogos.h"

#include <QApplication>
#include <QEvent>
#include <QLocale>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <iostream>

namespace medidas {

namespace {

constexpr int MsEntreLatidos = 10;
// A gap the user notices: the window does not answer within a tenth of a second.
constexpr double MsBloqueoVisible = 100;
constexpr int MsLimite = 300000;

Instante origen() {
    const char* ns = std::getenv("MEDIDAS_INICIO_NS");
    if (ns == nullptr) {
        return ahora();
    }
    return Instante(std::chrono::nanoseconds(std::strtoll(ns, nullptr, 10)));
}

bool enVentana(QObject* objeto, const char* nombre) {
    auto* w = qobject_cast<QWidget*>(objeto);
    return w != nullptr && w->window()->objectName() == nombre;
}

// Watches every event of the application: paints of the load window's
// progress bar, the main window's show and first paint.
class Observador : public QObject {
public:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Paint && enVentana(objeto, "frm_carga")) {
            pinturasCarga.push_back(ahora());
        } else if (evento->type() == QEvent::Show && objeto->objectName() == "frm_principal") {
            principalMostrada = ahora();
        } else if (evento->type() == QEvent::Paint && enVentana(objeto, "frm_principal") &&
                   principalMostrada && !principalPintada) {
            principalPintada = ahora();
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

    std::vector<Instante> pinturasCarga;
    std::optional<Instante> principalMostrada;
    std::optional<Instante> principalPintada;
};

struct Huecos {
    double maximo = 0;
    double visibles = 0; // how many exceed MsBloqueoVisible
    double total = 0;    // the time inside those
};

// The gaps between consecutive instants within [desde, hasta].
Huecos huecos(const std::vector<Instante>& instantes, Instante desde, Instante hasta) {
    Huecos h;
    Instante anterior = desde;
    for (const Instante t : instantes) {
        if (t < desde) {
            continue;
        }
        const Instante fin = std::min(t, hasta);
        const double ms = msEntre(anterior, fin);
        h.maximo = std::max(h.maximo, ms);
        if (ms > MsBloqueoVisible) {
            ++h.visibles;
            h.total += ms;
        }
        anterior = fin;
        if (t >= hasta) {
            break;
        }
    }
    return h;
}

// Answers every dialog at once and keeps the messages, so a failed start
// can say why without a window waiting for a click.
class DialogosMudos : public core::ui::Dialogos {
public:
    std::vector<std::string> mensajes;
    Respuesta mensaje(const std::string& texto, const std::string& titulo, Botones,
                      Icono) override {
        mensajes.push_back(titulo + ": " + texto);
        return Respuesta::Aceptar;
    }
    std::optional<std::string> entrada(const std::string&, const std::string&,
                                       const std::string&) override {
        return std::nullopt;
    }
    std::string abrirArchivo(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    bool elegirImpresora(QPrinter&) override { return false; }
};

} // namespace

int medirArranque(int argc, char** argv, const std::string& carpeta) {
    const Instante inicio = origen();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Estadisticas");
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
    Observador observador;
    app.installEventFilter(&observador);

    // The event loop's heartbeat: it ticks only while events are processed.
    std::vector<Instante> latidos;
    QTimer latido;
    latido.setInterval(MsEntreLatidos);
    QObject::connect(&latido, &QTimer::timeout, [&latidos] { latidos.push_back(ahora()); });
    latido.start();
    QTimer::singleShot(MsLimite, [] { QCoreApplication::exit(3); });

    core::Reloj reloj;
    DialogosMudos dialogos;
    app::ui::Arranque arranque(carpeta, reloj, dialogos);
    arranque.iniciar();
    const int codigo = QApplication::exec();
    if (codigo != 0 || observador.pinturasCarga.empty() || !observador.principalPintada) {
        for (const auto& m : dialogos.mensajes) {
            std::cerr << m << "\n";
        }
        return codigo != 0 ? codigo : 1;
    }
    const Instante primera = observador.pinturasCarga.front();
    const Instante mostrada = *observador.principalMostrada;
    const Huecos bucle = huecos(latidos, primera, mostrada);
    const Huecos repintado = huecos(observador.pinturasCarga, primera, mostrada);
    anotar("gui_ventana_carga_ms", msEntre(inicio, primera));
    anotar("gui_principal_ms", msEntre(inicio, mostrada));
    anotar("gui_principal_pintada_ms", msEntre(inicio, *observador.principalPintada));
    anotar("gui_bloqueo_max_ms", bucle.maximo);
    anotar("gui_bloqueos_visibles", bucle.visibles);
    anotar("gui_bloqueado_ms", bucle.total);
    anotar("gui_repintado_max_ms", repintado.maximo);
    anotar("gui_pinturas_carga", static_cast<double>(observador.pinturasCarga.size()));
    return 0;
}

} // namespace medidas
