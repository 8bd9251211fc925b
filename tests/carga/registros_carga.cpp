#include "tests/carga/registros_carga.h"

namespace prueba {

escritor::Registro prestamo(const std::string& inventario, const std::string& dni) {
    escritor::Registro r{{10, inventario}};
    if (!dni.empty()) {
        r.push_back({20, dni});
    }
    r.insert(r.end(), {{25, "Apellido del préstamo"},
                       {30, "Título del préstamo"},
                       {35, "Autor del préstamo"},
                       {40, "Tema del préstamo"},
                       {50, "20240310"},
                       {60, "20240301"},
                       {70, "20240308"},
                       {130, "1"}});
    return r;
}

escritor::Registro usuario(const std::string& dni, const std::string& apellido,
                           const std::string& finSuspension) {
    escritor::Registro r;
    if (!apellido.empty()) {
        r.push_back({10, apellido});
    }
    r.insert(r.end(), {{15, "Ana"}, {20, dni}, {30, "ALUMNO"}, {40, "Calle 1"}, {50, "L-7"}});
    r.push_back({70, "31"});
    if (!finSuspension.empty()) {
        r.push_back({150, finSuspension});
    }
    return r;
}

escritor::Registro ejemplar(const std::string& inventario) {
    return {{245, "^aCuentos^nTomo 2^pSelva"},
            {100, "^aQuiroga, Horacio"},
            {700, "^aPeña, Ñandú"},
            {659, "^aLiteratura"},
            {20, "^a950-00-0001"},
            {900, inventario}};
}

BasesPrueba tresPrestamos() {
    BasesPrueba b;
    b.prestamos = {prestamo("100", "111"), prestamo("200", "222"), prestamo("300", "999")};
    b.usuarios = {usuario("111", "García", "20240601"), usuario("222", "López", "20240101")};
    b.marc = {ejemplar("100"), ejemplar("200")};
    return b;
}

} // namespace prueba
