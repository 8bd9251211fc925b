#include "store/anticipo_consultas.h"

#include "core/error.h"
#include "store/almacen.h"
#include "store/base_datos.h"

#include <sqlite3.h>

#include <new>
#include <utility>

namespace store {

AnticipoConsultas::AnticipoConsultas(const std::string& ruta, const core::Reloj& reloj,
                                     std::vector<std::string> sentencias, std::size_t limite)
    : hilo_([this, ruta, &reloj, sentencias = std::move(sentencias), limite] {
          leerTodas(ruta, reloj, sentencias, limite);
      }) {}

AnticipoConsultas::~AnticipoConsultas() {
    {
        const std::lock_guard<std::mutex> bloqueo(cerrojo_);
        parar_ = true;
        if (conexion_ != nullptr) {
            sqlite3_interrupt(conexion_);
        }
    }
    hilo_.join();
}

bool AnticipoConsultas::fijarConexion(sqlite3* conexion) {
    const std::lock_guard<std::mutex> bloqueo(cerrojo_);
    // Interrupting a connection while it closes is not allowed: it is
    // forgotten here, under the lock, before it closes.
    conexion_ = parar_ ? nullptr : conexion;
    return !parar_;
}

void AnticipoConsultas::leerTodas(const std::string& ruta, const core::Reloj& reloj,
                                  const std::vector<std::string>& sentencias, std::size_t limite) {
    try {
        BaseDatos base(ruta, reloj);
        // Forgotten before it closes, however the reading ends.
        struct Olvido {
            AnticipoConsultas& anticipo;
            ~Olvido() { anticipo.fijarConexion(nullptr); }
        } olvido{*this};
        // It only reads, and closes when done: groupings sort quicker and
        // in less memory on the engine's small default cache.
        AjustarParaLeer(base);
        for (const std::string& sql : sentencias) {
            if (!fijarConexion(base.manejador())) {
                break;
            }
            try {
                FilasLeidas filas = base.memoria().leer(sql, limite);
                const std::lock_guard<std::mutex> bloqueo(cerrojo_);
                leidas_.insert_or_assign(sql, std::move(filas));
            } catch (const core::Error&) {
                // Failed or interrupted: the request, if it comes, reads it
                // again and reports the failure.
            }
        }
    } catch (const core::Error&) {
        // The store could not be opened a second time: every request reads
        // on its own connection, which reports why.
    } catch (const std::bad_alloc&) {
        // Memory ran short for rows nobody has asked for yet: they are read
        // when asked for, or that request reports the shortage.
    }
    const std::lock_guard<std::mutex> bloqueo(cerrojo_);
    terminado_ = true;
    avisos_.notify_all();
}

std::map<std::string, FilasLeidas> AnticipoConsultas::recoger() {
    const std::lock_guard<std::mutex> bloqueo(cerrojo_);
    return std::exchange(leidas_, {});
}

bool AnticipoConsultas::terminado() {
    const std::lock_guard<std::mutex> bloqueo(cerrojo_);
    return terminado_;
}

void AnticipoConsultas::esperar() {
    std::unique_lock<std::mutex> bloqueo(cerrojo_);
    avisos_.wait(bloqueo, [this] { return terminado_; });
}

} // namespace store
