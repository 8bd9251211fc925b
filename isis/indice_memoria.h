#pragma once

#include "isis/codigo_pagina.h"
#include "isis/diccionario.h"
#include "isis/maestro.h"

#include <map>
#include <string>

namespace isis {

// The keys of a database without inverted file, made in memory from its
// field-select table (.FST) the way an inversion would: each line
// "ID technique format" runs the format on every active record and cuts the
// output into keys by the technique (0 line, 1 subfields, 2 <terms>,
// 3 /terms/, 4 words less stop words; 5-8 the same with a prefix).
class IndiceMemoria : public Diccionario {
public:
    // `fst` and `palabrasVacias` (.STW, one word a line) in the database's
    // code page; `nombreFst` names the table in errors.
    IndiceMemoria(const ArchivoMaestro& maestro, const CodigoPagina& codigo, std::string_view fst,
                  std::string_view palabrasVacias, const std::string& nombreFst);

    std::vector<Posting> postings(std::string_view clave) const override;
    void recorrer(std::string_view prefijo, const Visita& visita) const override;

private:
    std::map<std::string, std::vector<Posting>, std::less<>> claves_;
};

} // namespace isis
