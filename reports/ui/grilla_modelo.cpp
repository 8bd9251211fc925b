#include "reports/ui/grilla_modelo.h"

#include <utility>

namespace {

QString aQString(std::string_view texto) {
    return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
}

} // namespace

namespace reports::ui {

void ModeloGrilla::reemplazar(Grilla nueva) {
    beginResetModel();
    grilla_ = std::move(nueva);
    endResetModel();
}

int ModeloGrilla::rowCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : std::max(grilla_.filas() - 1, 0);
}

int ModeloGrilla::columnCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : std::max(grilla_.columnas() - 1, 0);
}

QVariant ModeloGrilla::data(const QModelIndex& indice, int rol) const {
    if (rol != Qt::DisplayRole || !indice.isValid()) {
        return {};
    }
    return aQString(grilla_.texto(indice.row() + 1, indice.column() + 1));
}

QVariant ModeloGrilla::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
    if (rol != Qt::DisplayRole || grilla_.filas() == 0) {
        return {};
    }
    if (orientacion == Qt::Horizontal) {
        return aQString(grilla_.texto(0, seccion + 1));
    }
    return aQString(grilla_.texto(seccion + 1, 0));
}

} // namespace reports::ui
