#pragma once

#include <QtGlobal>

#include <memory>

class QAbstractItemModel;
class QAbstractItemModelTester;

namespace prueba {

// Runs Qt Test's model checks over a model for as long as it lives: at once,
// and again on every change the model signals. Each failed check fails the
// running test.
class RevisionModelo {
public:
    explicit RevisionModelo(QAbstractItemModel* modelo);
    ~RevisionModelo();
    RevisionModelo(const RevisionModelo&) = delete;
    RevisionModelo& operator=(const RevisionModelo&) = delete;

private:
    QtMessageHandler anterior_;
    std::unique_ptr<QAbstractItemModelTester> revisor_;
};

} // namespace prueba
