#include "tests/proceso/proceso_cli.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace prueba {

namespace {

std::string leerArchivo(const std::string& ruta) {
    std::ifstream entrada(ruta, std::ios::binary);
    std::stringstream s;
    s << entrada.rdbuf();
    return s.str();
}

// In the child, between fork and exec: only async-signal-safe calls.
[[noreturn]] void ejecutarEnElHijo(const std::vector<std::string>& argumentos,
                                   const OpcionesCli& opciones, const std::string& carpeta) {
    const std::string salida = carpeta + "/salida";
    const std::string errores = carpeta + "/errores";
    const int fdSalida = ::open(salida.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int fdErrores = ::open(errores.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fdSalida < 0 || fdErrores < 0 || dup2(fdSalida, 1) < 0 || dup2(fdErrores, 2) < 0) {
        _exit(126);
    }
    if (opciones.limiteArchivo) {
        // Ignored signals stay ignored across exec: the write fails with EFBIG.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{static_cast<rlim_t>(*opciones.limiteArchivo),
                            static_cast<rlim_t>(*opciones.limiteArchivo)};
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    std::vector<char*> argv;
    static char programa[] = ESTAD_CLI;
    argv.push_back(programa);
    for (const std::string& a : argumentos) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    execv(programa, argv.data());
    _exit(127);
}

} // namespace

ProcesoCli::ProcesoCli(const std::vector<std::string>& argumentos, OpcionesCli opciones)
    : opciones_(opciones) {
    std::string plantilla = (std::filesystem::temp_directory_path() / "estad-cli-XXXXXX").string();
    if (mkdtemp(plantilla.data()) == nullptr) {
        throw std::runtime_error("mkdtemp");
    }
    carpeta_ = plantilla;
    inicio_ = std::chrono::steady_clock::now();
    pid_ = fork();
    if (pid_ < 0) {
        throw std::runtime_error("fork");
    }
    if (pid_ == 0) {
        ejecutarEnElHijo(argumentos, opciones_, carpeta_);
    }
}

ProcesoCli::~ProcesoCli() {
    if (!reaped_) {
        matar();
        waitpid(pid_, &estado_, 0);
    }
    std::error_code ec;
    std::filesystem::remove_all(carpeta_, ec);
}

bool ProcesoCli::termino() {
    if (!reaped_ && waitpid(pid_, &estado_, WNOHANG) == pid_) {
        reaped_ = true;
    }
    return reaped_;
}

void ProcesoCli::matar() {
    if (!reaped_) {
        kill(pid_, SIGKILL);
    }
}

SalidaCli ProcesoCli::esperar() {
    SalidaCli r;
    while (!termino()) {
        if (std::chrono::steady_clock::now() - inicio_ > opciones_.plazo) {
            r.vencido = true;
            matar();
            waitpid(pid_, &estado_, 0);
            reaped_ = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    r.duracion = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - inicio_);
    if (WIFEXITED(estado_)) {
        r.codigo = WEXITSTATUS(estado_);
    } else if (WIFSIGNALED(estado_)) {
        r.senal = WTERMSIG(estado_);
    }
    r.salida = leerArchivo(carpeta_ + "/salida");
    r.errores = leerArchivo(carpeta_ + "/errores");
    return r;
}

SalidaCli ejecutarCli(const std::vector<std::string>& argumentos, OpcionesCli opciones) {
    return ProcesoCli(argumentos, opciones).esperar();
}

} // namespace prueba
