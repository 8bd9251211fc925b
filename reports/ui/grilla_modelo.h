#pragma once

#include "reports/grilla.h"

#include <QAbstractTableModel>

namespace reports::ui {

// Shows a Grilla in a QTableView: row 0 becomes the column header, column 0
// the row header, the rest the cells. The view reads the text on demand, so a
// list of any length costs one text per cell and no widget item.
class ModeloGrilla : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    const Grilla& grilla() const { return grilla_; }
    // Current cell and selection follow the view without a reset.
    Grilla& grillaActual() { return grilla_; }
    // Every run replaces the whole grid.
    void reemplazar(Grilla nueva);

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion,
                        int rol = Qt::DisplayRole) const override;

private:
    Grilla grilla_;
};

} // namespace reports::ui
