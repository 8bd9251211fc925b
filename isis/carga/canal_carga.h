#pragma once

#include "store/copia_tablas.h"

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <optional>

namespace carga {

// Where the reading thread tells the writing thread how far it has got: the
// writer takes presta's rows as soon as they are final, while the reader goes
// on with the rest, and then the reports' tables whole. A reading that fails
// reaches the writer as its own exception, so the writer's transaction rolls
// back.
class CanalCarga {
public:
    // What the writer may take of presta: rows [0, listas) are final; no
    // more will come once `completa`.
    struct Avance {
        std::size_t listas = 0;
        bool completa = false;
    };

    // The reader's side.
    void basesAbiertas();
    void publicar(Avance avance);
    void entregarInformes(store::BaseSerializada informes);
    void fallar(std::exception_ptr error);

    // The writer's side; both rethrow the reading's failure. Waits until the
    // three databases opened, so the store is not touched for a run that
    // cannot read them.
    void esperarBases();
    // Waits until more than `tomadas` rows of presta are final or the table
    // is complete.
    Avance esperar(std::size_t tomadas);
    // Waits for the reports' tables; they stay here for a second attempt.
    const store::BaseSerializada& esperarInformes();

private:
    void avisar(std::unique_lock<std::mutex>& cierre);
    void comprobarFallo() const;

    std::mutex mutex_;
    std::condition_variable cambio_;
    bool basesAbiertas_ = false;
    Avance avance_;
    std::optional<store::BaseSerializada> informes_;
    std::exception_ptr error_;
};

} // namespace carga
