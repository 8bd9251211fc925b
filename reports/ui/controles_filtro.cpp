#include "reports/ui/controles_filtro.h"

#include "reports/listas_clasificacion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>

namespace reports::ui {

namespace {

QComboBox* lista(QWidget* padre, const char* nombre, const std::vector<std::string>& items) {
    auto* combo = new QComboBox(padre);
    combo->setObjectName(nombre);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& item : items) {
        combo->addItem(QString::fromStdString(item));
    }
    combo->setCurrentIndex(-1);
    combo->setEditText("TODOS");
    return combo;
}

QDateEdit* selectorFecha(QWidget* padre, const char* nombre) {
    auto* fecha = new QDateEdit(QDate::currentDate(), padre);
    fecha->setObjectName(nombre);
    fecha->setCalendarPopup(true);
    fecha->setDisplayFormat("dd/MM/yyyy");
    fecha->setEnabled(false);
    return fecha;
}

core::Fecha aFecha(const QDate& d) {
    return core::Fecha{std::chrono::year{d.year()},
                       std::chrono::month{static_cast<unsigned>(d.month())},
                       std::chrono::day{static_cast<unsigned>(d.day())}};
}

} // namespace

ControlesFiltro::ControlesFiltro(QWidget* padre)
    : cmb_tipousu(lista(padre, "cmb_tipousu", listas::TiposUsuario())),
      cmb_grado(lista(padre, "cmb_grado", listas::Grados())),
      cmb_tematica(lista(padre, "cmb_tematica", listas::Tematicas())),
      chk_desde(new QCheckBox("desde", padre)), DTP_desde(selectorFecha(padre, "DTP_desde")),
      chk_hasta(new QCheckBox("hasta", padre)), DTP_hasta(selectorFecha(padre, "DTP_hasta")) {
    chk_desde->setObjectName("chk_desde");
    chk_hasta->setObjectName("chk_hasta");
    QObject::connect(chk_desde, &QCheckBox::toggled, DTP_desde, &QDateEdit::setEnabled);
    QObject::connect(chk_hasta, &QCheckBox::toggled, DTP_hasta, &QDateEdit::setEnabled);
}

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
        e.desde = aFecha(DTP_desde->date());
    }
    if (chk_hasta->isChecked()) {
        e.hasta = aFecha(DTP_hasta->date());
    }
    return e;
}

void ControlesFiltro::fechasEn(core::Fecha hoy) {
    const QDate d(static_cast<int>(hoy.year()),
                  static_cast<int>(static_cast<unsigned>(hoy.month())),
                  static_cast<int>(static_cast<unsigned>(hoy.day())));
    DTP_desde->setDate(d);
    DTP_hasta->setDate(d);
}

} // namespace reports::ui
