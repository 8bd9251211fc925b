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

void CanalCarga::publicar(Avance avance) {
    std::unique_lock cierre(mutex_);
    avance_ = avance;
    avisar(cierre);
}

void CanalCarga::entregarInformes(store::BaseSerializada informes) {
    std::unique_lock cierre(mutex_);
    informes_ = std::move(informes);
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

CanalCarga::Avance CanalCarga::esperar(std::size_t tomadas) {
    std::unique_lock cierre(mutex_);
    cambio_.wait(cierre, [&] { return error_ || avance_.completa || avance_.listas > tomadas; });
    comprobarFallo();
    return avance_;
}

const store::BaseSerializada& CanalCarga::esperarInformes() {
    std::unique_lock cierre(mutex_);
    cambio_.wait(cierre, [this] { return error_ || informes_; });
    comprobarFallo();
    return *informes_;
}

} // namespace carga
