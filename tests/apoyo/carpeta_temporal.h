#pragma once

#include <string>

namespace prueba {

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes away.
class CarpetaTemporal {
public:
    CarpetaTemporal();
    ~CarpetaTemporal();
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

    const std::string& ruta() const { return ruta_; }
    std::string archivo(const std::string& nombre) const { return ruta_ + "/" + nombre; }
    void escribir(const std::string& nombre, const std::string& contenido) const;
    std::string leer(const std::string& nombre) const;

private:
    std::string ruta_;
};

// The shared test material beside the repository.
std::string carpetaCompartida();

} // namespace prueba
