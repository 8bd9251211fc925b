#pragma once

#include "tests/apoyo/entorno.h"
#include "tests/apoyo/filas_presta.h"
#include "tools/escritor/escritor_isis.h"

#include <optional>
#include <string>
#include <vector>

namespace prueba {

// The three ISIS databases of a load, written by the test writer into one
// folder as PRESTA, USUARIOS and MARC, indexed as the load run expects:
// members by field 20, copies by "I:" + field 900. Texts are UTF-8.
struct BasesPrueba {
    std::vector<escritor::Registro> prestamos;
    std::vector<escritor::Registro> usuarios;
    std::vector<escritor::Registro> marc;

    void escribir(const std::string& carpeta) const;
};

// An application folder for a load run, its store still closed as the
// program's is before its first load; "today" is 2024-05-15.
struct EntornoCarga : Entorno {
    EntornoCarga();

    // Writes the databases into the folder and points block "LINK" at them.
    void escribirBases(const BasesPrueba& bases);
    void fijarRutas(const std::string& presta, const std::string& usuarios,
                    const std::string& marc);
    // Removes the cross-reference file of database `nombre` of the folder, so
    // its master file no longer opens; returns the message of the error the
    // load run then ends with.
    std::string quitarXrf(const std::string& nombre) const;

    // Fills presta with n rows of a previous load, as a separate connection.
    void sembrarPresta(int n) const;
    // The same for usuarios and ejemplares, n rows each.
    void sembrarInformes(int n) const;
    // Every row of a table in insertion order, columns in table order, read
    // through a separate connection.
    std::vector<Fila> tabla(const std::string& nombre) const;
    std::vector<Fila> presta() const { return tabla("presta"); }
    // The files of the folder the process holds open or mapped, the store's apart.
    std::vector<std::string> archivosIsisAbiertos() const;
    // The value of `columna` in row `fila`.
    std::optional<std::string> valor(int fila, const char* columna) const;
};

} // namespace prueba
