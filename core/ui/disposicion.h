#pragma once

#include <QObject>
#include <QPointer>

#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace core::ui {

// How one side of a control follows its window, in twips: while the window's
// side is at most `hasta`, the control keeps `minimo`; beyond it, the control
// is the window's side less `resta`.
struct Crecimiento {
    int hasta;
    int minimo;
    int resta;

    constexpr int medida(int ventana) const { return ventana <= hasta ? minimo : ventana - resta; }
};

// A place in twips, relative to the parent widget.
struct Rectangulo {
    int izquierda = 0;
    int arriba = 0;
    int ancho = 0;
    int alto = 0;

    bool operator==(const Rectangulo&) const = default;
};

// One row of a window's layout table: the control's objectName, its place as
// designed and how its width and height follow the window. A side without a
// rule keeps its designed size; the top moves only by its own rule (a
// control under something that grows), the left never.
struct Ubicacion {
    std::string nombre;
    Rectangulo diseno;
    std::optional<Crecimiento> ancho = std::nullopt;
    std::optional<Crecimiento> alto = std::nullopt;
    std::optional<Crecimiento> arriba = std::nullopt;
};

// Where the row puts its control in a window of the given size, all in twips.
Rectangulo ubicar(const Ubicacion& ubicacion, int anchoVentana, int altoVentana);

// Places a window's controls from their table in twips, converted with the
// window's own resolution, and again by the table's rules each time the
// window is resized. It lives as a child of the window.
class Disposicion : public QObject {
    Q_OBJECT
public:
    // Puts each control at its designed place. Throws Error 91 when a name is
    // not the objectName of exactly one control inside the window. The sizes
    // follow the window's; with a `pagina`, the controls sit on it and it
    // grows to hold them all.
    Disposicion(QWidget& ventana, const std::vector<Ubicacion>& tabla, QWidget* pagina = nullptr);

    // One more row, for a control made after the table; placed at once.
    void agregar(const Ubicacion& ubicacion);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    struct Control {
        Ubicacion ubicacion;
        QPointer<QWidget> widget;
    };
    void colocar(QWidget& widget, const Rectangulo& r) const;
    void seguirVentana();
    void abarcarControles();

    QWidget& ventana_;
    QPointer<QWidget> pagina_;
    std::vector<Control> controles_;
};

// The page a window's twips-placed controls sit on, inside a scroll area
// that fills the window. Create the controls on the page and hand it to the
// window's Disposicion, which keeps it as large as what it places: a window
// smaller than its controls scrolls instead of cutting them.
QWidget* paginaDesplazable(QWidget& ventana);

} // namespace core::ui
