#include "reports/ui/controles_filtro.h"

#include "core/ui/selector_fecha.h"
#include "reports/listas_clasificacion.h"
#include "reports/ui/lista_filtro.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QSignalBlocker>

#include <tuple>

namespace reports::ui {

namespace {

QCheckBox* casilla(QWidget* padre, const char* nombre, const char* texto) {
    auto* c = new QCheckBox(texto, padre);
    c->setObjectName(nombre);
    return c;
}

} // namespace

ControlesFiltro::ControlesFiltro(QWidget* padre, core::Fecha fecha)
    : cmb_tipousu(new ListaFiltro("cmb_tipousu", listas::TiposUsuario(), padre)),
      cmb_grado(new ListaFiltro("cmb_grado", listas::Grados(), padre)),
      cmb_tematica(new ListaFiltro("cmb_tematica", listas::Tematicas(), padre)),
      chk_desde(casilla(padre, "chk_desde", "desde")),
      DTP_desde(core::ui::crearSelectorFecha("DTP_desde", fecha, chk_desde, padre)),
      chk_hasta(casilla(padre, "chk_hasta", "hasta")),
      DTP_hasta(core::ui::crearSelectorFecha("DTP_hasta", fecha, chk_hasta, padre)) {}

int posicionElegida(const QComboBox* lista) {
    const int i = lista->currentIndex();
    if (i < 0 || lista->itemText(i) != lista->currentText()) {
        return -1;
    }
    return i;
}

EstadoFiltros ControlesFiltro::estado() const {
    EstadoFiltros e;
    e.tipoUsuario = posicionElegida(cmb_tipousu);
    e.grado = posicionElegida(cmb_grado);
    e.tematica = posicionElegida(cmb_tematica);
    if (chk_desde->isChecked()) {
        e.desde = core::ui::desdeQDate(DTP_desde->date());
    }
    if (chk_hasta->isChecked()) {
        e.hasta = core::ui::desdeQDate(DTP_hasta->date());
    }
    return e;
}

void ControlesFiltro::fijarEstado(const EstadoFiltros& e) {
    for (auto [lista, posicion] : {std::pair{cmb_tipousu, e.tipoUsuario},
                                   {cmb_grado, e.grado},
                                   {cmb_tematica, e.tematica}}) {
        const QSignalBlocker bloqueo(lista);
        lista->setCurrentIndex(posicion > 0 ? posicion : 0);
    }
    for (auto [casilla, selector, fecha] :
         {std::tuple{chk_desde, DTP_desde, e.desde}, {chk_hasta, DTP_hasta, e.hasta}}) {
        const QSignalBlocker bloqueoCasilla(casilla);
        const QSignalBlocker bloqueoSelector(selector);
        casilla->setChecked(fecha.has_value());
        selector->setEnabled(fecha.has_value());
        if (fecha) {
            selector->setDate(core::ui::aQDate(*fecha));
        }
    }
}

} // namespace reports::ui
