#include "tools/escritor/pagina_escrita.h"

#include "core/error.h"
#include "core/texto.h"
#include "isis/codigo_pagina.h"

#include <cstdio>

namespace escritor {

namespace {

// The reader's tables, so what is written reads back as it was given
// (bytes written unconverted take code page 850's upper-case table).
const isis::CodigoPagina& tablas(PaginaEscrita codigo) {
    static const isis::CodigoPagina cp850(isis::CodigoPagina::Tipo::Cp850);
    static const isis::CodigoPagina windows(isis::CodigoPagina::Tipo::Windows1252);
    return codigo == PaginaEscrita::Windows1252 ? windows : cp850;
}

} // namespace

std::string codificar(std::string_view utf8, PaginaEscrita codigo) {
    if (codigo == PaginaEscrita::SinConvertir) {
        return std::string(utf8);
    }
    const isis::CodigoPagina& pagina = tablas(codigo);
    std::string r;
    r.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const char32_t cp = core::texto::siguienteCodigo(utf8, i);
        if (cp < 0x80) {
            r += static_cast<char>(cp);
            continue;
        }
        const auto byte = pagina.byteDe(cp);
        if (!byte) {
            char nombre[16];
            std::snprintf(nombre, sizeof nombre, "U+%04X", static_cast<unsigned>(cp));
            throw core::Error(core::Error::ArgumentoInvalido,
                              std::string("El carácter ") + nombre +
                                  " no existe en la página de códigos");
        }
        r += static_cast<char>(*byte);
    }
    return r;
}

unsigned char mayusculaIsis(unsigned char c, PaginaEscrita codigo) {
    return tablas(codigo).mayuscula(c);
}

bool letraIsis(unsigned char c, PaginaEscrita codigo) {
    return tablas(codigo).esLetra(c);
}

} // namespace escritor
