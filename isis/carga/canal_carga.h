#pragma once

#include <array>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>

namespace carga {

// Where the reading thread tells the writing thread how far it has got: the
// writer takes each table's rows as soon as they are final, while the reader
// goes on with the rest. A reading that fails reaches the writer as its own
// exception, so the writer's transaction rolls back.
class CanalCarga {
public:
    enum Tabla { Prestamos, Usuarios, Ejemplares };

    // What the writer may take of a table: rows [0, listas) are final; no
    // more will come once `completa`.
    struct Avance {
        std::size_t listas = 0;
        bool completa = false;
    };

    // The reader's side.
    void basesAbiertas();
    void publicar(Tabla tabla, Avance avance);
    void fallar(std::exception_ptr error);

    // The writer's side; both rethrow the reading's failure. Waits until the
    // three databases opened, so the store is not touched for a run that
    // cannot read them.
    void esperarBases();
    // Waits until more than `tomadas` rows of the table are final or the
    // table is complete.
    Avance esperar(Tabla tabla, std::size_t tomadas);

private:
    void avisar(std::unique_lock<std::mutex>& cierre);
    void comprobarFallo() const;

    std::mutex mutex_;
    std::condition_variable cambio_;
    bool basesAbiertas_ = false;
    std::array<Avance, 3> avances_{};
    std::exception_ptr error_;
};

} // namespace carga
