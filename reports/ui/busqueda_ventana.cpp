#include "reports/ui/busqueda_ventana.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>

namespace reports::ui {

void prepararBusqueda(VentanaGrilla& ventana, ControlesFiltro& filtros,
                      std::initializer_list<QComboBox*> listas) {
    const QDate guardada(2005, 9, 8);
    filtros.DTP_desde->setDate(guardada);
    filtros.DTP_hasta->setDate(guardada);
    for (QComboBox* lista : listas) {
        QObject::connect(lista->lineEdit(), &QLineEdit::textEdited, &ventana,
                         [&ventana] { ventana.Lista("fecha_presta"); });
    }
}

} // namespace reports::ui
