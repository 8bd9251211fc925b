#pragma once

#include <QHeaderView>
#include <QObject>
#include <QTableView>
#include <QTest>

#include <stdexcept>
#include <string>

namespace prueba {

// The one control of type T named `nombre` inside `ventana`; a missing or
// doubled name fails the test, naming the control.
template <typename T> T* control(const QObject& ventana, const char* nombre) {
    const QList<T*> hallados = ventana.findChildren<T*>(nombre);
    if (hallados.size() != 1) {
        throw std::logic_error(std::to_string(hallados.size()) + " controles llamados " + nombre);
    }
    return hallados.front();
}

// A user's double-click on header `seccion` of a grid, and on a data cell.
inline void dobleClicEncabezado(QTableView* grilla, int seccion) {
    QHeaderView* h = grilla->horizontalHeader();
    QTest::mouseDClick(h->viewport(), Qt::LeftButton, {},
                       QPoint(h->sectionViewportPosition(seccion) + 5, h->height() / 2));
}

// The view reports a double-click only on the cell its press chose: the
// first click of the pair comes first.
inline void dobleClicCelda(QTableView* grilla, int fila, int columna) {
    const QRect celda = grilla->visualRect(grilla->model()->index(fila, columna));
    QTest::mouseClick(grilla->viewport(), Qt::LeftButton, {}, celda.center());
    QTest::mouseDClick(grilla->viewport(), Qt::LeftButton, {}, celda.center());
}

} // namespace prueba
