#include "tools/generar_demo/generador_demo.h"

#include "core/error.h"
#include "reports/listas_clasificacion.h"
#include "tools/escritor/escritor_isis.h"
#include "tools/generar_demo/vocabulario.h"

#include <filesystem>
#include <random>

namespace demo {

namespace {

// Draws from the seeded generator in a way that gives the same numbers on
// every platform (the standard distributions do not promise that).
class Azar {
public:
    explicit Azar(std::uint32_t semilla) : motor_(semilla) {}
    int entre(int desde, int hasta) { // both included
        return desde + static_cast<int>(motor_() % static_cast<std::uint32_t>(hasta - desde + 1));
    }
    bool probabilidad(int porCiento) { return entre(1, 100) <= porCiento; }
    std::string_view de(std::span<const std::string_view> lista) {
        return lista[static_cast<std::size_t>(entre(0, static_cast<int>(lista.size()) - 1))];
    }

private:
    std::mt19937 motor_;
};

struct Usuario {
    std::string dni, apellido;
};

struct Ejemplar {
    std::string inventario, titulo, autor, tematica;
};

// A grade code of field 70 for a member type: two digits, level then grade,
// and now and then the "level.grade" form some libraries type.
std::string grado(Azar& azar, std::string_view tipo) {
    int nivel = 0;
    int grado = 0;
    if (tipo == "Alumno" || tipo == "Curso") {
        static constexpr int kGradosPorNivel[] = {4, 7, 6, 4, 4};
        static constexpr int kPeso[] = {8, 40, 35, 9, 8}; // per cent of students by level
        int r = azar.entre(1, 100);
        while (r > kPeso[nivel]) {
            r -= kPeso[nivel++];
        }
        grado = azar.entre(nivel == 0 ? 0 : 1, kGradosPorNivel[nivel] - (nivel == 0 ? 1 : 0));
    } else if (tipo == "Docente" || tipo == "Dirección") {
        nivel = azar.entre(5, 8) == 5 || tipo == "Dirección" ? 5 : azar.entre(7, 8);
        grado = nivel == 5 ? azar.entre(1, 3) : azar.entre(1, 2);
    } else {
        nivel = 6;
        grado = azar.entre(1, 2);
    }
    const std::string n = std::to_string(nivel);
    const std::string g = std::to_string(grado);
    return azar.probabilidad(12) ? n + "." + g : n + g;
}

// Position 0 of the filter's list is "Todos"; position 1 is "Alumno", most members.
std::string_view tipoDeUsuario(Azar& azar) {
    const auto& tipos = reports::listas::TiposUsuario();
    const int r = azar.entre(1, 100);
    return tipos[static_cast<std::size_t>(r <= 80 ? 1 : 2 + r % 5)];
}

std::string tematica(Azar& azar) {
    const auto& tematicas = reports::listas::Tematicas(); // position 0 is "TODOS"
    return tematicas[static_cast<std::size_t>(
        azar.entre(1, static_cast<int>(tematicas.size()) - 1))];
}

std::string persona(Azar& azar) {
    return std::string(azar.de(vocabulario::apellidos())) + ", " +
           std::string(azar.de(vocabulario::nombres()));
}

std::vector<Usuario> escribirUsuarios(const OpcionesDemo& o, int cuantos, Azar& azar) {
    escritor::EscritorIsis esc(
        o.carpeta + "/USUARIOS",
        {.fst = {{.id = 20, .tag = 20},
                 {.id = 10, .tag = 10, .tecnica = escritor::Tecnica::Palabras},
                 {.id = 50, .tag = 50}}});
    std::vector<Usuario> usuarios;
    usuarios.reserve(static_cast<std::size_t>(cuantos));
    int documento = 30000000;
    for (int i = 0; i < cuantos; ++i) {
        documento += azar.entre(1, 900); // ascending, so never repeated
        const std::string_view tipo = tipoDeUsuario(azar);
        Usuario u{std::to_string(documento), std::string(azar.de(vocabulario::apellidos()))};
        escritor::Registro r{{10, u.apellido},
                             {15, std::string(azar.de(vocabulario::nombres()))},
                             {20, u.dni},
                             {30, std::string(tipo)},
                             {40, std::string(azar.de(vocabulario::calles())) + " " +
                                      std::to_string(azar.entre(1, 4500))},
                             {50, std::to_string(1000 + i)},
                             {70, grado(azar, tipo)}};
        const int suspension = azar.entre(1, 100);
        if (suspension > 70) { // a past suspension, or one still running
            const int dias = suspension > 90 ? azar.entre(1, 30) : -azar.entre(1, 600);
            r.push_back({150, core::textoAAAAMMDD(core::sumarDias(o.hoy, dias))});
        }
        esc.agregar(r);
        usuarios.push_back(std::move(u));
    }
    esc.cerrar();
    return usuarios;
}

std::vector<Ejemplar> escribirCatalogo(const OpcionesDemo& o, int cuantos, Azar& azar) {
    escritor::EscritorIsis esc(
        o.carpeta + "/MARC",
        {.fst = {{.id = kTagInventario, .tag = kTagInventario, .prefijo = "I:"},
                 {.id = 245, .tag = 245, .subcampo = 'a', .tecnica = escritor::Tecnica::Palabras},
                 {.id = 100, .tag = 100, .subcampo = 'a'},
                 {.id = 20, .tag = 20, .subcampo = 'a'}}});
    std::vector<Ejemplar> ejemplares;
    int inventario = 1000;
    for (int i = 0; i < cuantos; ++i) {
        escritor::Registro r;
        if (azar.probabilidad(85)) {
            r.push_back({20, "^a978-950-" + std::to_string(azar.entre(10, 99)) + "-" +
                                 std::to_string(azar.entre(1000, 9999)) + "-" +
                                 std::to_string(azar.entre(0, 9))});
        }
        std::string autor;
        if (azar.probabilidad(85)) {
            autor = persona(azar);
            r.push_back({100, "^a" + autor});
        } else {
            autor = std::string(azar.de(vocabulario::editoriales()));
            r.push_back({110, "^a" + autor});
        }
        if (azar.probabilidad(3)) {
            r.push_back({130, "^aBiblia"});
        }
        if (azar.probabilidad(5)) {
            r.push_back({240, "^aObras completas^nTomo " + std::to_string(azar.entre(1, 6)) +
                                  "^pAntología"});
        }
        std::string titulo(azar.de(vocabulario::titulos()));
        std::string campo245 = "^a" + titulo;
        if (azar.probabilidad(15)) {
            campo245 += "^nTomo " + std::to_string(azar.entre(1, 4));
        }
        if (azar.probabilidad(20)) {
            campo245 += "^p" + std::string(azar.de(vocabulario::complementosDeTitulo()));
        }
        r.push_back({245, campo245});
        std::string tema;
        if (azar.probabilidad(92)) {
            tema = tematica(azar);
            r.push_back({659, "^a" + tema});
        }
        for (int k = azar.probabilidad(25) ? azar.entre(1, 2) : 0; k > 0; --k) {
            r.push_back({700, "^a" + persona(azar)});
        }
        if (azar.probabilidad(5)) {
            r.push_back({710, "^a" + std::string(azar.de(vocabulario::editoriales()))});
        }
        for (int k = azar.probabilidad(30) ? azar.entre(2, 3) : 1; k > 0; --k) {
            const std::string numero = std::to_string(++inventario);
            r.push_back({kTagInventario, numero});
            ejemplares.push_back({numero, titulo, autor, tema});
        }
        esc.agregar(r);
    }
    esc.cerrar();
    return ejemplares;
}

// A loan date in the two school years up to today, skipping the summer
// holidays (January and February) and Sundays.
core::Fecha fechaDePrestamo(const OpcionesDemo& o, Azar& azar) {
    while (true) {
        const core::Fecha f = core::sumarDias(o.hoy, -azar.entre(0, 729));
        const unsigned mes = static_cast<unsigned>(f.month());
        const auto dia = std::chrono::weekday(std::chrono::sys_days(f));
        if (mes > 2 && dia != std::chrono::Sunday) {
            return f;
        }
    }
}

// A twelfth of the members never borrows and a tenth of the copies never
// goes out: the reports of members without loans and of copies without use
// have something to show.
template <typename T> int enCirculacion(const std::vector<T>& todos, int fraccion) {
    const int n = static_cast<int>(todos.size());
    return std::max(1, n - n / fraccion);
}

void escribirPrestamos(const OpcionesDemo& o, const std::vector<Usuario>& usuarios,
                       const std::vector<Ejemplar>& ejemplares, Azar& azar) {
    escritor::EscritorIsis esc(
        o.carpeta + "/PRESTA",
        {.fst = {{.id = 10, .tag = 10, .prefijo = "I:"}, {.id = 20, .tag = 20}}});
    const auto hoy = std::chrono::sys_days(o.hoy);
    const int lectores = enCirculacion(usuarios, 12);
    const int prestables = enCirculacion(ejemplares, 10);
    for (int i = 0; i < o.prestamos; ++i) {
        const Ejemplar& e = ejemplares[static_cast<std::size_t>(azar.entre(0, prestables - 1))];
        const Usuario& u = usuarios[static_cast<std::size_t>(azar.entre(0, lectores - 1))];
        const core::Fecha prestado = fechaDePrestamo(o, azar);
        const int renovaciones = azar.probabilidad(15) ? azar.entre(1, 3) : 0;
        const core::Fecha vence = core::sumarDias(prestado, 7 * (1 + renovaciones));
        const auto antiguedad = (hoy - std::chrono::sys_days(prestado)).count();
        // Recent loans are mostly still out; a few old ones never came back.
        const bool devuelto = antiguedad > 21 ? azar.probabilidad(96) : azar.probabilidad(35);
        escritor::Registro r{{10, e.inventario}};
        if (azar.probabilidad(4)) {
            r.push_back(
                {10,
                 ejemplares[static_cast<std::size_t>(azar.entre(0, prestables - 1))].inventario});
        }
        // A few loans lack the member, or name one the members database lacks.
        if (!azar.probabilidad(1)) {
            r.push_back({20, azar.probabilidad(1) ? std::to_string(20000000 + i) : u.dni});
        }
        r.push_back({25, u.apellido});
        r.push_back({30, e.titulo});
        r.push_back({35, e.autor});
        if (!e.tematica.empty()) {
            r.push_back({40, e.tematica});
        }
        r.push_back({50, core::textoAAAAMMDD(vence)});
        r.push_back({60, core::textoAAAAMMDD(prestado)});
        if (devuelto) {
            // Most come back on time, some late.
            const int dias = azar.probabilidad(75) ? azar.entre(1, 7 * (1 + renovaciones))
                                                   : 7 * (1 + renovaciones) + azar.entre(1, 40);
            const core::Fecha vuelta = core::sumarDias(prestado, dias);
            if (std::chrono::sys_days(vuelta) <= hoy) {
                r.push_back({70, core::textoAAAAMMDD(vuelta)});
            }
        }
        r.push_back({130, std::to_string(renovaciones)});
        esc.agregar(r);
    }
    esc.cerrar();
}

} // namespace

void generarDemo(const OpcionesDemo& o) {
    if (o.prestamos < 0 || o.usuarios < 0 || o.catalogo < 0) {
        throw core::Error(core::Error::ArgumentoInvalido, "Los tamaños no pueden ser negativos");
    }
    std::error_code ec;
    std::filesystem::create_directories(o.carpeta, ec);
    if (ec) {
        throw core::Error(core::Error::RutaNoEncontrada,
                          "No se pudo crear la carpeta " + o.carpeta);
    }
    const int usuarios = o.usuarios > 0 ? o.usuarios : std::max(50, o.prestamos / 5);
    const int catalogo = o.catalogo > 0 ? o.catalogo : std::max(100, o.prestamos * 3 / 5);
    Azar azar(o.semilla);
    const auto u = escribirUsuarios(o, usuarios, azar);
    const auto e = escribirCatalogo(o, catalogo, azar);
    escribirPrestamos(o, u, e, azar);
}

} // namespace demo
