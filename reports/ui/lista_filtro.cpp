#include "reports/ui/lista_filtro.h"

#include "core/ui/rueda_con_foco.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>

namespace reports::ui {

namespace {
constexpr const char* SinEleccion = "TODOS";
} // namespace

ListaFiltro::ListaFiltro(const char* nombre, const std::vector<std::string>& items, QWidget* padre)
    : QComboBox(padre) {
    setObjectName(nombre);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(20);
    for (const std::string& item : items) {
        addItem(QString::fromStdString(item));
    }
    setCurrentIndex(-1);
    setEditText(SinEleccion);
    core::ui::ruedaSoloConFoco(this);
}

void ListaFiltro::showPopup() {
    // Measured with the pop-up's own font, which a window's font does not reach.
    QAbstractItemView* lista = view();
    const QFontMetrics letra(lista->font());
    int ancho = 0;
    for (int i = 0; i < count(); ++i) {
        ancho = std::max(ancho, letra.horizontalAdvance(itemText(i)));
    }
    const int margenes = 2 * style()->pixelMetric(QStyle::PM_MenuHMargin) +
                         style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                         style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                         4 * letra.averageCharWidth();
    lista->setMinimumWidth(ancho + margenes);
    QComboBox::showPopup();
}

void ListaFiltro::focusOutEvent(QFocusEvent* evento) {
    // Opening the pop-up takes the focus too: that is no leaving.
    if (evento->reason() == Qt::PopupFocusReason) {
        QComboBox::focusOutEvent(evento);
        return;
    }
    const QString elegido = currentIndex() >= 0 ? itemText(currentIndex()) : SinEleccion;
    if (currentText() != elegido) {
        setEditText(elegido);
    }
    // What the edit field says on leaving would choose an item by its text.
    const QSignalBlocker bloqueo(lineEdit());
    QComboBox::focusOutEvent(evento);
}

} // namespace reports::ui
