#pragma once

#include "store/base_datos.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace store {

// The row set a statement returns. Read-only row sets move forward only;
// the updatable one ("SELECT * FROM tabla" opened for update) appends rows
// field by field, as the load run writes them.
class Registros {
public:
    // Opens a forward-only row set positioned on its first row (or at its end).
    static std::unique_ptr<Registros> lectura(BaseDatos& base, const std::string& sql);
    // Opens an appender on the table of a "SELECT * FROM tabla" statement.
    static std::unique_ptr<Registros> anexador(BaseDatos& base, const std::string& sql);

    bool fin() const { return fin_; }
    void siguiente();
    int columnas() const { return static_cast<int>(nombres_.size()); }
    const std::vector<std::string>& nombres() const { return nombres_; }
    // nullopt for NULL. The name compares case-insensitively; an unknown
    // name throws Error.
    std::optional<std::string> valor(int i) const;
    std::optional<std::string> valor(const std::string& columna) const;
    // The value without a copy, valid until siguiente().
    std::optional<std::string_view> vista(int i) const;
    // The value, or the empty text for NULL.
    std::string texto(int i) const { return valor(i).value_or(std::string{}); }
    std::string texto(const std::string& columna) const {
        return valor(columna).value_or(std::string{});
    }
    int indice(const std::string& columna) const;

    void agregarNuevo();
    void fijar(const std::string& columna, const std::string& valor);
    // The field at position `indice` (as indice() gives it), without a copy
    // of the text: it must stay unchanged until actualizar().
    void fijar(int indice, std::string_view valor);
    void actualizar();

private:
    Registros() = default;
    std::unique_ptr<Sentencia> sentencia_;
    std::unique_ptr<Sentencia> insercion_;
    std::vector<std::string> nombres_;
    bool fin_ = true;
    // Whether a value was set since the insert was last reset: a new row
    // starts from a clean one without resetting it twice.
    bool filaEmpezada_ = false;
};

} // namespace store
