#include "tests/proceso/apoyo_proceso.h"

#include "core/reloj.h"
#include "store/base_datos.h"

#include <stdexcept>
#include <thread>
#include <unistd.h>

namespace prueba {

BasesPrueba basesGrandes(int prestamos) {
    BasesPrueba b;
    constexpr int Socios = 400;
    constexpr int Ejemplares = 1000;
    for (int i = 0; i < prestamos; ++i) {
        b.prestamos.push_back({{10, "INV" + std::to_string(i % Ejemplares)},
                               {20, "DNI" + std::to_string(i % Socios)},
                               {30, "Título del préstamo " + std::to_string(i)},
                               {50, "20240310"},
                               {60, "20240301"},
                               {70, i % 3 ? "20240308" : ""}});
    }
    for (int j = 0; j < Socios; ++j) {
        b.usuarios.push_back({{10, "Apellido " + std::to_string(j)},
                              {15, "Nombre"},
                              {20, "DNI" + std::to_string(j)},
                              {30, "Alumno"},
                              {70, "1." + std::to_string(j % 7 + 1)}});
    }
    for (int k = 0; k < Ejemplares; ++k) {
        b.marc.push_back({{245, "^aLibro número " + std::to_string(k)},
                          {100, "^aAutora, Ana"},
                          {659, "^aTema " + std::to_string(k % 9)},
                          {900, "INV" + std::to_string(k)}});
    }
    return b;
}

std::string integridad(const std::string& rutaBase) {
    const core::Reloj reloj;
    store::BaseDatos base(rutaBase, reloj);
    store::Sentencia revision(base, "PRAGMA integrity_check");
    return revision.paso() ? revision.valor(0).value_or("") : "";
}

bool hablaIngles(const std::string& mensaje) {
    for (const char* ingles :
         {"database", "disk", "readonly", "Unknown error", "No such", "Permission denied",
          "No space", "too large", "locked", "unable to", "attempt to", "not a "}) {
        if (mensaje.find(ingles) != std::string::npos) {
            return true;
        }
    }
    return false;
}

pid_t bloquearEnOtroPrograma(const std::string& rutaBase, std::chrono::milliseconds duracion) {
    int aviso[2];
    if (pipe(aviso) != 0) {
        throw std::runtime_error("pipe");
    }
    const pid_t pid = fork();
    if (pid == 0) {
        close(aviso[0]);
        const core::Reloj reloj;
        store::BaseDatos base(rutaBase, reloj);
        base.ejecutar("BEGIN EXCLUSIVE");
        const char listo = 1;
        (void)!write(aviso[1], &listo, 1);
        std::this_thread::sleep_for(duracion);
        _exit(0);
    }
    close(aviso[1]);
    char listo = 0;
    (void)!read(aviso[0], &listo, 1);
    close(aviso[0]);
    return pid;
}

} // namespace prueba
