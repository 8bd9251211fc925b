#include "core/descripcion_error.h"

#include <cerrno>
#include <sqlite3.h>

namespace core {

namespace {

// The English message of a rejected statement, as "prefix NAME suffix",
// told again in Spanish around the same name.
struct Patron {
    std::string_view prefijo;
    std::string_view sufijo;
    std::string_view antes;
    std::string_view despues;
};

constexpr Patron PatronesDeInstruccion[] = {
    {"no such table: ", "", "No existe la tabla ", ""},
    {"no such column: ", "", "No existe la columna ", ""},
    {"no such function: ", "", "No existe la función ", ""},
    {"no such index: ", "", "No existe el índice ", ""},
    {"ambiguous column name: ", "", "El nombre de columna es ambiguo: ", ""},
    {"near \"", "\": syntax error", "Error de sintaxis cerca de «", "»"},
    {"wrong number of arguments to function ", "", "Cantidad de argumentos incorrecta para ", ""},
    {"misuse of aggregate function ", "", "Uso incorrecto de la función de agregado ", ""},
    {"misuse of aggregate: ", "", "Uso incorrecto de la función de agregado ", ""},
    {"table ", " already exists", "La tabla ", " ya existe"},
    {"index ", " already exists", "El índice ", " ya existe"},
    {"unrecognized token: ", "", "Símbolo no reconocido: ", ""},
    {"incomplete input", "", "La instrucción está incompleta", ""},
    {"cannot VACUUM from within a transaction", "",
     "No se puede compactar con una transacción abierta", ""},
    {"cannot start a transaction within a transaction", "", "Ya hay una transacción abierta", ""},
    {"cannot commit - no transaction is active", "", "No hay una transacción que confirmar", ""},
    {"SQL logic error", "", "Error en la instrucción", ""},
};

std::string instruccionRechazada(std::string_view mensaje) {
    for (const Patron& p : PatronesDeInstruccion) {
        if (mensaje.size() >= p.prefijo.size() + p.sufijo.size() &&
            mensaje.substr(0, p.prefijo.size()) == p.prefijo &&
            mensaje.substr(mensaje.size() - p.sufijo.size()) == p.sufijo) {
            const std::string_view nombre = mensaje.substr(
                p.prefijo.size(), mensaje.size() - p.prefijo.size() - p.sufijo.size());
            return std::string(p.antes) + std::string(nombre) + std::string(p.despues);
        }
    }
    return std::string(mensaje);
}

// " (reason)" for a system error behind the engine's, or nothing.
std::string motivo(int numeroSistema) {
    return numeroSistema == 0 ? std::string() : " (" + descripcionDelSistema(numeroSistema) + ")";
}

bool discoLleno(int numeroSistema) {
    return numeroSistema == ENOSPC || numeroSistema == EFBIG || numeroSistema == EDQUOT;
}

} // namespace

std::string descripcionDelSistema(int numero) {
    switch (numero) {
    case EPERM:
    case EACCES:
        return "Permiso denegado";
    case ENOENT:
        return "No existe el archivo o la carpeta";
    case EIO:
        return "Error de lectura o escritura en el disco";
    case ENOMEM:
        return "Memoria insuficiente";
    case EBUSY:
    case ETXTBSY:
        return "El archivo está en uso";
    case EEXIST:
        return "El archivo ya existe";
    case ENOTDIR:
        return "Una parte de la ruta no es una carpeta";
    case EISDIR:
        return "Es una carpeta";
    case EINVAL:
        return "Argumento no válido";
    case ENFILE:
    case EMFILE:
        return "Hay demasiados archivos abiertos";
    case EFBIG:
        return "El archivo superó el tamaño permitido";
    case ENOSPC:
        return "No queda espacio en el disco";
    case EROFS:
        return "El disco o la carpeta son de sólo lectura";
    case ENAMETOOLONG:
        return "El nombre del archivo es demasiado largo";
    case ENOTEMPTY:
        return "La carpeta no está vacía";
    case ELOOP:
        return "La ruta tiene demasiados enlaces";
    case EDQUOT:
        return "Se superó la cuota de disco";
    case EXDEV:
        return "No se puede mover entre discos distintos";
    default:
        return "Error del sistema número " + std::to_string(numero);
    }
}

bool motorIndicaDano(int codigo) {
    const int primario = codigo & 0xFF;
    return primario == SQLITE_CORRUPT || primario == SQLITE_NOTADB;
}

bool motorIndicaOcupado(int codigo) {
    const int primario = codigo & 0xFF;
    return primario == SQLITE_BUSY || primario == SQLITE_LOCKED;
}

std::string descripcionDelMotor(int codigo, int numeroSistema, std::string_view mensaje,
                                const std::string& ruta) {
    if (motorIndicaOcupado(codigo)) {
        return "La base de datos está en uso por otro programa";
    }
    const std::string base = ruta.empty() ? "la base de datos" : "la base de datos " + ruta;
    const std::string Base = "L" + base.substr(1);
    if (codigo == SQLITE_READONLY_DBMOVED) {
        return "Otro programa reemplazó " + base + " mientras estaba abierta";
    }
    switch (codigo & 0xFF) {
    case SQLITE_ERROR:
        return instruccionRechazada(mensaje);
    case SQLITE_FULL:
        return "El disco que guarda " + base + " está lleno";
    case SQLITE_IOERR:
        if (discoLleno(numeroSistema)) {
            return "El disco que guarda " + base + " está lleno" + motivo(numeroSistema);
        }
        if (codigo == SQLITE_IOERR_WRITE || codigo == SQLITE_IOERR_FSYNC ||
            codigo == SQLITE_IOERR_TRUNCATE) {
            return numeroSistema == 0
                       ? "No se pudo escribir en " + base + ": puede que el disco esté lleno"
                       : "No se pudo escribir en " + base + motivo(numeroSistema);
        }
        if (codigo == SQLITE_IOERR_READ || codigo == SQLITE_IOERR_SHORT_READ) {
            return "No se pudo leer " + base + motivo(numeroSistema);
        }
        return "Error de lectura o escritura en " + base + motivo(numeroSistema);
    case SQLITE_READONLY:
        return "No se puede escribir en " + base + ": es de sólo lectura";
    case SQLITE_CANTOPEN:
        return "No se puede abrir " + base + motivo(numeroSistema);
    case SQLITE_PERM:
        return "Permiso denegado sobre " + base;
    case SQLITE_NOTADB:
        return ruta.empty() ? "El archivo no es una base de datos"
                            : "El archivo " + ruta + " no es una base de datos";
    case SQLITE_CORRUPT:
        return Base + " está dañada";
    case SQLITE_PROTOCOL:
        return "Falló el bloqueo de " + base;
    case SQLITE_NOMEM:
        return "Memoria insuficiente";
    case SQLITE_INTERRUPT:
        return "La operación se interrumpió";
    case SQLITE_SCHEMA:
        return "La estructura de la base de datos cambió";
    case SQLITE_TOOBIG:
        return "El valor es demasiado grande";
    case SQLITE_CONSTRAINT:
        return "La fila no cumple una restricción de la tabla";
    case SQLITE_MISMATCH:
        return "El tipo de dato no corresponde";
    case SQLITE_MISUSE:
        return "La base de datos se usó de manera incorrecta";
    case SQLITE_RANGE:
        return "Parámetro fuera de rango";
    default:
        return Base + " dio el error número " + std::to_string(codigo);
    }
}

} // namespace core
