#include "isis/carga/canal_carga.h"

namespace carga {

void CanalCarga::avisar(std::unique_lock<std::mutex>& cierre) {
    cierre.unlock();
    cambio_.notify_all();
}

void CanalCarga::basesAbiertas() {
    std::unique_lock cierre(mutex_);
    basesAbiertas_ = true;
    avisar(cierre);
}

void CanalCarga::publicar(Tabla tabla, Avance avance) {
    std::unique_lock cierre(mutex_);
    avances_[tabla] = avance;
    avisar(cierre);
}

void CanalCarga::fallar(std::exception_ptr error) {
    std::unique_lock cierre(mutex_);
    error_ = std::move(error);
    avisar(cierre);
}

void CanalCarga::comprobarFallo() const {
    if (error_) {
        std::rethrow_exception(error_);
    }
}

void CanalCarga::esperarBases() {
    std::unique_lock cierre(mutex_);
    cambio_.wait(cierre, [this] { return basesAbiertas_ || error_; });
    comprobarFallo();
}

CanalCarga::Avance CanalCarga::esperar(Tabla tabla, std::size_t tomadas) {
    std::unique_lock cierre(mutex_);
    cambio_.wait(cierre, [&] {
        return error_ || avances_[tabla].completa || avances_[tabla].listas > tomadas;
    });
    comprobarFallo();
    return avances_[tabla];
}

} // namespace carga
