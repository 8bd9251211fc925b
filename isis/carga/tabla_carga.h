#pragma once

#include "isis/carga/textos_carga.h"
#include "store/esquema.h"

#include <array>
#include <string_view>
#include <vector>

namespace carga {

// One loan with its member and title data: the 17 values of a presta row, in
// the order of ColumnasPresta, kept in the run's TextosCarga. An empty value
// is written as NULL.
struct FilaCarga {
    enum Columna {
        dni,
        legajo,
        nombre,
        apellido,
        grado,
        tipo_usu,
        direccion,
        suspendido,
        titulo,
        isbn,
        tematica,
        autor,
        inventario,
        devuelto,
        fecha_presta,
        nro_renovaciones,
        fecha_devolucion,
    };
    std::array<std::string_view, store::ColumnasPresta.size()> valores;

    std::string_view& operator[](Columna c) { return valores[c]; }
    std::string_view operator[](Columna c) const { return valores[c]; }
};

// The kept loans in the order of their MFNs.
using TablaCarga = std::vector<FilaCarga>;

// One active member with a document (field 20): the values of a usuarios
// row, in the order of ColumnasUsuarios.
struct FilaUsuario {
    std::array<std::string_view, store::ColumnasUsuarios.size()> valores;
};

// One copy of the catalogue: the values of an ejemplares row, in the order
// of ColumnasEjemplares.
struct FilaEjemplar {
    std::array<std::string_view, store::ColumnasEjemplares.size()> valores;
};

// Everything a load run reads: the loans for presta, and the members and
// copies for the reports' tables, in the order of their MFNs and keys, with
// the texts their rows hold.
struct DatosCarga {
    TextosCarga textos;
    TablaCarga prestamos;
    std::vector<FilaUsuario> usuarios;
    std::vector<FilaEjemplar> ejemplares;
};

} // namespace carga
