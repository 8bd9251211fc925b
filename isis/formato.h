#pragma once

#include "isis/codigo_pagina.h"
#include "isis/maestro.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace isis {

// A display format of the ISIS formatting language, compiled once and run on
// any number of records. The subset read here: field selectors vT, dT, nT
// with ^x / ^*, *n, .n and occurrence ranges [n], [n..m], [n..], [LAST];
// unconditional 'x', conditional "x" and repeatable |x| literals (with +);
// commas and blanks as separators; the modes mpl mpu mhl mhu mdl mdu;
// / # % xN cN; and repeatable groups ( ... ). Anything else is refused with
// an Error when compiling, never printed wrongly.
class Formato {
public:
    struct Elemento;

    // `texto` is in the database's code page.
    explicit Formato(std::string_view texto);
    ~Formato();
    Formato(Formato&&) noexcept;
    Formato& operator=(Formato&&) noexcept;

    // The record formatted, in the database's code page; new lines are "\n".
    std::string aplicar(const Registro& registro, const CodigoPagina& codigo) const;

private:
    std::vector<Elemento> elementos_;
};

} // namespace isis
