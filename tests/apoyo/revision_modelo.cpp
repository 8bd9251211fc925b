#include "tests/apoyo/revision_modelo.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

#include <cstring>

namespace prueba {

namespace {

QtMessageHandler manejadorPrevio = nullptr;

// The checks report each failure as a warning of their own category.
void informarFallas(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (contexto.category != nullptr && std::strcmp(contexto.category, "qt.modeltest") == 0 &&
        tipo != QtDebugMsg && tipo != QtInfoMsg) {
        ADD_FAILURE() << "Revisión del modelo: " << texto.toStdString();
        return;
    }
    if (manejadorPrevio != nullptr) {
        manejadorPrevio(tipo, contexto, texto);
    }
}

} // namespace

RevisionModelo::RevisionModelo(QAbstractItemModel* modelo)
    : anterior_(qInstallMessageHandler(informarFallas)) {
    if (anterior_ != informarFallas) {
        manejadorPrevio = anterior_;
    }
    revisor_ = std::make_unique<QAbstractItemModelTester>(
        modelo, QAbstractItemModelTester::FailureReportingMode::Warning);
}

RevisionModelo::~RevisionModelo() {
    revisor_.reset();
    qInstallMessageHandler(anterior_);
}

} // namespace prueba
