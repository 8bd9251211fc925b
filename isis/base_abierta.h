#pragma once

#include "isis/codigo_pagina.h"
#include "isis/diccionario.h"
#include "isis/maestro.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace isis {

// One database opened for reading: its master file, its code page, and its
// keys (the inverted file, or an index made in memory from the .FST when
// there is no inverted file).
class BaseAbierta {
public:
    // nullptr when the master or cross-reference file is missing; throws
    // Error when they are damaged. Names are matched without regard to case.
    static std::unique_ptr<BaseAbierta> abrir(const std::string& rutaSinExtension);

    const ArchivoMaestro& maestro() const { return maestro_; }
    const CodigoPagina& codigo() const { return codigo_; }
    // Attaches the inverted file beside `rutaSinExtension`, if it is there.
    void abrirInvertido(const std::string& rutaSinExtension);
    // The field-select table used when there is no inverted file.
    void usarFst(const std::string& rutaFst) { rutaFst_ = rutaFst; }
    // The keys; throws Error when the database has neither inverted file
    // nor field-select table.
    const Diccionario& diccionario();
    // The postings of one key (UTF-8), only those of active records.
    std::vector<Posting> postings(std::string_view claveUtf8);
    // A key (UTF-8) as postings looks it up and recorrer gives it: upper-cased,
    // trimmed, cut to the longest key, decoded back to UTF-8.
    std::string claveNormalizada(std::string_view claveUtf8) const;
    // A search expression (UTF-8): the MFNs of the active records found.
    std::vector<std::int32_t> buscar(std::string_view expresionUtf8);
    // Every key that starts with `prefijoUtf8`, in the dictionary's order,
    // decoded to UTF-8, with the postings of its active records; a key whose
    // records are all deleted is left out.
    using VisitaUtf8 =
        std::function<void(const std::string& claveUtf8, const std::vector<Posting>& postings)>;
    void recorrer(std::string_view prefijoUtf8, const VisitaUtf8& visita);

private:
    BaseAbierta(ArchivoMaestro maestro, std::string ruta);

    ArchivoMaestro maestro_;
    std::string ruta_;
    CodigoPagina codigo_;
    std::optional<std::string> rutaFst_;
    std::unique_ptr<Diccionario> diccionario_;
};

// A database path given with or without its ".mst" (any case), without it.
std::string sinExtensionMst(const std::string& ruta);

// Why the database at `rutaSinExtension` does not open: "No existe la base
// de datos", the path as given, and its master or cross-reference file that
// is missing or is not a regular file.
std::string porQueNoAbre(const std::string& rutaSinExtension);

} // namespace isis
