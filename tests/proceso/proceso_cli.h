#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace prueba {

// How the headless program ended and what it printed.
struct SalidaCli {
    int codigo = -1;      // exit code, -1 when a signal ended it
    int senal = 0;        // the signal that ended it, 0 when it exited
    bool vencido = false; // it ran past its time and was killed
    std::string salida;   // standard output
    std::string errores;  // standard error
    std::chrono::milliseconds duracion{0};
};

struct OpcionesCli {
    // RLIMIT_FSIZE for the program, with SIGXFSZ ignored: a write past the
    // limit fails as on a full disk.
    std::optional<std::size_t> limiteArchivo;
    // Killed when it runs longer (a program that hangs).
    std::chrono::milliseconds plazo{30000};
};

// estadisticas-cli running as a separate process, its output going to files
// of a folder of its own.
class ProcesoCli {
public:
    explicit ProcesoCli(const std::vector<std::string>& argumentos, OpcionesCli opciones = {});
    ~ProcesoCli();
    ProcesoCli(const ProcesoCli&) = delete;
    ProcesoCli& operator=(const ProcesoCli&) = delete;

    pid_t pid() const { return pid_; }
    // True once the process has ended (it is then reaped).
    bool termino();
    void matar();
    // Waits for the end (killing it past its time) and collects its output.
    SalidaCli esperar();

private:
    OpcionesCli opciones_;
    std::string carpeta_;
    pid_t pid_ = -1;
    int estado_ = 0;
    bool reaped_ = false;
    std::chrono::steady_clock::time_point inicio_;
};

// Runs the program to its end.
SalidaCli ejecutarCli(const std::vector<std::string>& argumentos, OpcionesCli opciones = {});

} // namespace prueba
