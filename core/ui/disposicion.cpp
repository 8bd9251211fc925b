#include "core/ui/disposicion.h"

#include "core/error.h"
#include "core/twips.h"

#include <QEvent>
#include <QRect>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>

namespace core::ui {

Rectangulo ubicar(const Ubicacion& u, int anchoVentana, int altoVentana) {
    Rectangulo r = u.diseno;
    if (u.ancho) {
        r.ancho = u.ancho->medida(anchoVentana);
    }
    if (u.alto) {
        r.alto = u.alto->medida(altoVentana);
    }
    if (u.arriba) {
        r.arriba = u.arriba->medida(altoVentana);
    }
    return r;
}

Disposicion::Disposicion(QWidget& ventana, const std::vector<Ubicacion>& tabla, QWidget* pagina)
    : QObject(&ventana), ventana_(ventana), pagina_(pagina) {
    for (const Ubicacion& u : tabla) {
        agregar(u);
    }
    ventana_.installEventFilter(this);
}

// The page holds every control with the left margin repeated on the right
// and the top one below.
void Disposicion::abarcarControles() {
    if (!pagina_) {
        return;
    }
    QRect todos;
    for (const Control& c : controles_) {
        if (c.widget && c.widget->parentWidget() == pagina_) {
            todos |= c.widget->geometry();
        }
    }
    if (todos.isValid()) {
        pagina_->setMinimumSize(todos.right() + 1 + todos.left(), todos.bottom() + 1 + todos.top());
    }
}

void Disposicion::agregar(const Ubicacion& u) {
    const QString nombre = QString::fromStdString(u.nombre);
    const QList<QWidget*> hallados = ventana_.findChildren<QWidget*>(nombre);
    if (hallados.size() != 1) {
        throw Error(Error::ObjetoNoEstablecido, "La ventana no tiene un único control llamado " +
                                                    u.nombre + " (tiene " +
                                                    std::to_string(hallados.size()) + ")");
    }
    colocar(*hallados.front(), u.diseno);
    controles_.push_back({u, hallados.front()});
    abarcarControles();
}

void Disposicion::colocar(QWidget& widget, const Rectangulo& r) const {
    const double x = ventana_.logicalDpiX();
    const double y = ventana_.logicalDpiY();
    widget.setGeometry(twips::aPixeles(r.izquierda, x), twips::aPixeles(r.arriba, y),
                       twips::aPixeles(r.ancho, x), twips::aPixeles(r.alto, y));
}

void Disposicion::seguirVentana() {
    const int ancho = twips::desdePixeles(ventana_.width(), ventana_.logicalDpiX());
    const int alto = twips::desdePixeles(ventana_.height(), ventana_.logicalDpiY());
    for (const Control& c : controles_) {
        if (c.widget) {
            colocar(*c.widget, ubicar(c.ubicacion, ancho, alto));
        }
    }
    abarcarControles();
}

bool Disposicion::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == &ventana_ && evento->type() == QEvent::Resize) {
        seguirVentana();
    }
    return QObject::eventFilter(objeto, evento);
}

QWidget* paginaDesplazable(QWidget& ventana) {
    auto* desplazable = new QScrollArea(&ventana);
    desplazable->setObjectName("desplazable");
    desplazable->setFrameShape(QFrame::NoFrame);
    desplazable->setWidgetResizable(true);
    auto* pagina = new QWidget;
    pagina->setObjectName("pagina");
    desplazable->setWidget(pagina);
    auto* marco = new QVBoxLayout(&ventana);
    marco->setContentsMargins(0, 0, 0, 0);
    marco->addWidget(desplazable);
    return pagina;
}

} // namespace core::ui
