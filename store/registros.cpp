#include "store/registros.h"

#include "core/error.h"
#include "core/texto.h"

#include <regex>

namespace store {

std::unique_ptr<Registros> Registros::lectura(BaseDatos& base, const std::string& sql) {
    std::unique_ptr<Registros> r(new Registros);
    r->sentencia_ = std::make_unique<Sentencia>(base, sql);
    for (int i = 0; i < r->sentencia_->columnas(); ++i) {
        r->nombres_.push_back(r->sentencia_->nombreColumna(i));
    }
    r->fin_ = !r->sentencia_->paso();
    return r;
}

std::unique_ptr<Registros> Registros::anexador(BaseDatos& base, const std::string& sql) {
    static const std::regex forma(R"(^\s*SELECT\s+\*\s+FROM\s+([A-Za-z_][A-Za-z0-9_]*)\s*;?\s*$)",
                                  std::regex::icase);
    std::smatch partes;
    if (!std::regex_match(sql, partes, forma)) {
        throw core::Error(core::Error::ErrorBaseDatos,
                          "Sólo se puede agregar filas a \"SELECT * FROM tabla\": " + sql);
    }
    std::unique_ptr<Registros> r(new Registros);
    r->sentencia_ = std::make_unique<Sentencia>(base, sql);
    std::string columnas;
    std::string marcas;
    for (int i = 0; i < r->sentencia_->columnas(); ++i) {
        r->nombres_.push_back(r->sentencia_->nombreColumna(i));
        columnas += (i ? "," : "") + r->nombres_.back();
        marcas += i ? ",?" : "?";
    }
    r->insercion_ = std::make_unique<Sentencia>(base, "INSERT INTO " + partes[1].str() + " (" +
                                                          columnas + ") VALUES (" + marcas + ")");
    return r;
}

void Registros::siguiente() {
    if (!fin_) {
        fin_ = !sentencia_->paso();
    }
}

int Registros::indice(const std::string& columna) const {
    // The exact name first: the load run sets 17 fields a row by their own names.
    for (std::size_t i = 0; i < nombres_.size(); ++i) {
        if (nombres_[i] == columna) {
            return static_cast<int>(i);
        }
    }
    for (std::size_t i = 0; i < nombres_.size(); ++i) {
        if (core::texto::igualesSinMayusculas(nombres_[i], columna)) {
            return static_cast<int>(i);
        }
    }
    throw core::Error(core::Error::ErrorBaseDatos, "No existe la columna " + columna);
}

std::optional<std::string> Registros::valor(int i) const {
    const std::optional<std::string_view> v = vista(i);
    return v ? std::optional<std::string>(std::string(*v)) : std::nullopt;
}

std::optional<std::string_view> Registros::vista(int i) const {
    if (fin_ || i < 0 || i >= columnas()) {
        throw core::Error(core::Error::ErrorBaseDatos, "No hay fila o columna actual");
    }
    return sentencia_->vista(i);
}

std::optional<std::string> Registros::valor(const std::string& columna) const {
    return valor(indice(columna));
}

void Registros::agregarNuevo() {
    if (!insercion_) {
        throw core::Error(core::Error::ErrorBaseDatos, "El conjunto de filas es de sólo lectura");
    }
    if (filaEmpezada_) {
        insercion_->reiniciar();
        filaEmpezada_ = false;
    }
}

void Registros::fijar(const std::string& columna, const std::string& valor) {
    if (!insercion_) {
        throw core::Error(core::Error::ErrorBaseDatos, "El conjunto de filas es de sólo lectura");
    }
    insercion_->enlazar(indice(columna) + 1, valor);
    filaEmpezada_ = true;
}

void Registros::fijar(int indice, std::string_view valor) {
    if (!insercion_) {
        throw core::Error(core::Error::ErrorBaseDatos, "El conjunto de filas es de sólo lectura");
    }
    if (indice < 0 || indice >= columnas()) {
        throw core::Error(core::Error::ErrorBaseDatos, "No existe la columna");
    }
    insercion_->enlazarSinCopia(indice + 1, valor);
    filaEmpezada_ = true;
}

void Registros::actualizar() {
    if (!insercion_) {
        throw core::Error(core::Error::ErrorBaseDatos, "El conjunto de filas es de sólo lectura");
    }
    // Should the step fail, the next row resets the statement first.
    filaEmpezada_ = true;
    insercion_->paso();
    insercion_->reiniciar();
    filaEmpezada_ = false;
}

} // namespace store
