#include "core/archivo_comun.h"

#include "core/descripcion_error.h"
#include "core/error.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace core {

namespace {

[[noreturn]] void noSeEscribio(const std::string& ruta, int numero) {
    throw Error(Error::ErrorArchivo,
                "No se pudo escribir " + ruta + ": " + descripcionDelSistema(numero));
}

std::string carpetaDe(const std::string& ruta) {
    const auto barra = ruta.find_last_of('/');
    return barra == std::string::npos ? "." : barra == 0 ? "/" : ruta.substr(0, barra);
}

bool escribirTodo(int fd, std::string_view contenido) {
    while (!contenido.empty()) {
        const ssize_t n = ::write(fd, contenido.data(), contenido.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            errno = n == 0 ? ENOSPC : errno;
            return false;
        }
        contenido.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

int abrirArchivoComun(const std::string& ruta, std::string& motivo) {
    const int fd = ::open(ruta.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        motivo = descripcionDelSistema(errno);
        return -1;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        motivo = S_ISDIR(info.st_mode) ? descripcionDelSistema(EISDIR) : "No es un archivo común";
        ::close(fd);
        return -1;
    }
    // Reading a regular file never waits; without the flag it reads as usual.
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

void reemplazarArchivo(const std::string& ruta, std::string_view contenido) {
    std::string destino = ruta;
    char real[PATH_MAX];
    if (::realpath(ruta.c_str(), real) != nullptr) {
        destino = real;
    }
    struct stat anterior {};
    const bool habia = ::stat(destino.c_str(), &anterior) == 0;
    const mode_t modo = habia ? (anterior.st_mode & 07777) : 0666;
    std::string temporal;
    int fd = -1;
    for (int n = 0; fd < 0; ++n) {
        temporal = destino + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(n);
        fd = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, modo);
        if (fd < 0 && errno != EEXIST) {
            noSeEscribio(ruta, errno);
        }
    }
    const bool escrito =
        (!habia || ::fchmod(fd, modo) == 0) && escribirTodo(fd, contenido) && ::fsync(fd) == 0;
    const int numero = errno;
    const bool cerrado = ::close(fd) == 0;
    if (!escrito || !cerrado || ::rename(temporal.c_str(), destino.c_str()) != 0) {
        const int causa = !escrito ? numero : errno;
        ::unlink(temporal.c_str());
        noSeEscribio(ruta, causa);
    }
    // The new name lasts once the folder that holds it is on disk; the
    // content is already, and a folder the system cannot sync still has it.
    sincronizarEnDisco(carpetaDe(destino));
}

bool sincronizarEnDisco(const std::string& ruta) {
    const int fd = ::open(ruta.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool sincronizado = ::fsync(fd) == 0;
    ::close(fd);
    return sincronizado;
}

} // namespace core
