#pragma once

#include "store/memoria_consultas.h"

#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct sqlite3;

namespace store {

// Reads statements before anyone asks for them, on a connection of its own
// and on a thread of its own, so that the user's first request finds them
// already read. A statement that fails here is left out: asked for later,
// it fails again where the error can be shown.
class AnticipoConsultas {
public:
    // Starts reading at least the first `limite` rows of each statement, in
    // order, from the store at `ruta`.
    AnticipoConsultas(const std::string& ruta, const core::Reloj& reloj,
                      std::vector<std::string> sentencias, std::size_t limite);
    // Interrupts the statement being read and waits for the thread.
    ~AnticipoConsultas();
    AnticipoConsultas(const AnticipoConsultas&) = delete;
    AnticipoConsultas& operator=(const AnticipoConsultas&) = delete;

    // Hands over what has been read since the last call.
    std::map<std::string, FilasLeidas> recoger();
    // Whether every statement has been read or left out.
    bool terminado();
    // Blocks until terminado().
    void esperar();

private:
    void leerTodas(const std::string& ruta, const core::Reloj& reloj,
                   const std::vector<std::string>& sentencias, std::size_t limite);
    // Records the connection that may be interrupted; false when told to stop.
    bool fijarConexion(sqlite3* conexion);

    std::mutex cerrojo_;
    std::condition_variable avisos_;
    std::map<std::string, FilasLeidas> leidas_;
    sqlite3* conexion_ = nullptr;
    bool parar_ = false;
    bool terminado_ = false;
    std::thread hilo_;
};

} // namespace store
