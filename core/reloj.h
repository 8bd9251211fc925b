#pragma once

#include <chrono>
#include <string>

namespace core {

using Fecha = std::chrono::year_month_day;

// The one source of "today" for the whole program; tests fix it.
class Reloj {
public:
    virtual ~Reloj() = default;
    virtual Fecha hoy() const;
};

class RelojFijo : public Reloj {
public:
    explicit RelojFijo(Fecha fecha) : fecha_(fecha) {}
    Fecha hoy() const override { return fecha_; }
    void fijar(Fecha fecha) { fecha_ = fecha; }

private:
    Fecha fecha_;
};

// "yyyymmdd", the form dates take in the store and in statements.
std::string textoAAAAMMDD(Fecha fecha);
// Reads "yyyymmdd"; throws Error(5) on anything else.
Fecha fechaDesdeAAAAMMDD(const std::string& texto);
Fecha sumarDias(Fecha fecha, int dias);

} // namespace core
