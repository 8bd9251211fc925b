// The export document: the school code, the period and four sections of
// rankings, each list at most five entries long.
#include "export/exportacion.h"

#include "core/archivo_ini.h"
#include "core/texto.h"
#include "export/sentencias_exportacion.h"
#include "export/vencidos_aparte.h"
#include "store/almacen.h"
#include "store/contexto.h"
#include "store/lectura_compartida.h"

#include <array>
#include <functional>
#include <future>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

namespace exportacion {

namespace {

// Level digit and the grades ranked for it, in the order they are written.
constexpr std::array<std::pair<int, std::pair<int, int>>, 7> GradosPorNivel{
    {{0, {0, 3}}, {1, {1, 7}}, {2, {1, 6}}, {3, {1, 4}}, {4, {1, 4}}, {5, {1, 3}}, {6, {1, 3}}}};

constexpr std::size_t EntradasPorLista = 5;

// An entry of a list: its element and, in order, each field's element and column.
struct FormaEntrada {
    const char* elemento;
    std::vector<std::pair<const char*, const char*>> campos;
};
const FormaEntrada EntradaLibro{
    "Libro", {{"ISBN", "isbn"}, {"Nombre", "titulo"}, {"Autor", "autor"}, {"Cantidad", "cant"}}};
const FormaEntrada EntradaSocio{
    "Socio",
    {{"DNI", "dni"}, {"Nombre", "nombre"}, {"Apellido", "apellido"}, {"Cantidad", "cant"}}};
const FormaEntrada EntradaTema{"Tema", {{"Tema", "tematica"}, {"Cantidad", "cant"}}};

// <CodigoTipo> of a stored member type; the comparison is exact.
std::string codigoTipo(const std::string& tipo) {
    static const std::array<std::pair<const char*, const char*>, 6> codigos{
        {{"Alumno", "1"},
         {"Curso", "2"},
         {"Dirección", "3"},
         {"Docente", "4"},
         {"Escuela", "5"},
         {"Miembro de la comunidad", "6"}}};
    for (const auto& [nombre, codigo] : codigos) {
        if (tipo == nombre) {
            return codigo;
        }
    }
    return {};
}

bool permitidoEnXml(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// A stored value as element content: markup characters become entities and
// characters XML cannot carry become U+FFFD, so the file is always well-formed.
std::string contenidoXml(std::string_view valor) {
    std::string r;
    r.reserve(valor.size());
    for (std::size_t i = 0; i < valor.size();) {
        const char32_t c = core::texto::siguienteCodigo(valor, i);
        if (c == '&') {
            r += "&amp;";
        } else if (c == '<') {
            r += "&lt;";
        } else if (c == '>') {
            r += "&gt;";
        } else {
            core::texto::agregarUtf8(r, permitidoEnXml(c) ? c : U'\uFFFD');
        }
    }
    return r;
}

class Redactor {
public:
    Redactor(store::Contexto& ctx, const std::string& filtro) : ctx_(ctx), s_(filtro) {}

    // The parts of the document: a section, or the head of one (up to its
    // <Tipos>) and then the rest of it, which two threads may write apart.
    enum class Parte { Libros, LibrosTipos, LibrosMorosos, Usuarios, UsuariosTipos, Morosos };

    // The text of the parts, in the order given.
    std::string partes(std::initializer_list<Parte> lista) {
        t_.clear();
        for (const Parte p : lista) {
            switch (p) {
            case Parte::Libros:
                libros(false);
                break;
            case Parte::LibrosTipos:
                librosPorTipo(false);
                break;
            case Parte::LibrosMorosos:
                libros(true);
                librosPorTipo(true);
                break;
            case Parte::Usuarios:
                usuarios();
                break;
            case Parte::UsuariosTipos:
                usuariosPorTipo();
                break;
            case Parte::Morosos:
                morosos();
                break;
            }
        }
        return std::move(t_);
    }

private:
    using Entrada = std::function<void(const store::Registros&)>;

    // How a statement reaches its rows: through the index the engine picks,
    // or the whole table read in its order, when the statement needs most of
    // its rows: an index then costs a look-up per row, about three times
    // what reading the row in a scan costs. Either way gives the same rows.
    enum class Recorrido { PorIndice, TablaEntera };

    void abrir(int prof, std::string_view elemento) {
        t_ += "\r\n";
        t_.append(static_cast<std::size_t>(prof), '\t');
        t_ += "<";
        t_ += elemento;
        t_ += ">";
    }
    void cerrar(int prof, std::string_view elemento) {
        t_ += "\r\n";
        t_.append(static_cast<std::size_t>(prof), '\t');
        t_ += "</";
        t_ += elemento;
        t_ += ">";
    }
    void linea(int prof, std::string_view elemento, std::string_view valor) {
        abrir(prof, elemento);
        t_ += contenidoXml(valor);
        t_ += "</";
        t_ += elemento;
        t_ += ">";
    }

    // The first rows of the statement, at most five, up to the first count of
    // 0 (a group whose counted column is null sorts last and ends the list).
    void recorrer(const std::string& sql, const Entrada& entrada,
                  Recorrido recorrido = Recorrido::PorIndice) {
        auto filas = recorrido == Recorrido::TablaEntera
                         ? store::EjecutarConsultaEnOrdenDeTabla(ctx_, sql)
                         : store::EjecutarConsulta(ctx_, sql);
        for (std::size_t n = 0; n < EntradasPorLista && !filas->fin(); ++n, filas->siguiente()) {
            if (std::stoll(filas->texto("cant")) == 0) {
                break;
            }
            entrada(*filas);
        }
    }

    void lista(int prof, const std::string& elemento, const std::string& sql,
               const Entrada& entrada, Recorrido recorrido) {
        abrir(prof, elemento);
        recorrer(sql, entrada, recorrido);
        cerrar(prof, elemento);
    }

    // A ranking element whose entries are `forma` elements of one line per field.
    void ranking(int prof, const std::string& elemento, const std::string& sql,
                 const FormaEntrada& forma, Recorrido recorrido) {
        lista(
            prof, elemento, sql,
            [&](const store::Registros& r) {
                abrir(prof + 1, forma.elemento);
                for (const auto& [campo, columna] : forma.campos) {
                    linea(prof + 2, campo, r.texto(columna));
                }
                cerrar(prof + 1, forma.elemento);
            },
            recorrido);
    }
    void rankingLibros(int prof, const std::string& elemento, const std::string& sql,
                       Recorrido recorrido = Recorrido::PorIndice) {
        ranking(prof, elemento, sql, EntradaLibro, recorrido);
    }
    void rankingSocios(int prof, const std::string& elemento, const std::string& sql,
                       Recorrido recorrido = Recorrido::PorIndice) {
        ranking(prof, elemento, sql, EntradaSocio, recorrido);
    }
    void rankingTemas(int prof, const std::string& elemento, const std::string& sql,
                      Recorrido recorrido = Recorrido::PorIndice) {
        ranking(prof, elemento, sql, EntradaTema, recorrido);
    }

    // A member type's statements read the whole table when the type holds
    // more than a third of the loans (most schools: the pupils).
    Recorrido recorridoDeTipo(const store::Registros& tipo) {
        if (!total_) {
            store::Sentencia cuenta(store::ConexionAbierta(ctx_), "SELECT COUNT(*) FROM presta");
            total_ = cuenta.paso() ? std::stoll(cuenta.valor(0).value_or("0")) : 0;
        }
        return 3 * std::stoll(tipo.texto("cant")) > *total_ ? Recorrido::TablaEntera
                                                            : Recorrido::PorIndice;
    }

    // The head lines of a <Tipo> entry at depth 4.
    void cabeceraTipo(const store::Registros& r) {
        const std::string tipo = r.texto("tipo_usu");
        linea(4, "Tipo", tipo);
        linea(4, "CodigoTipo", codigoTipo(tipo));
        linea(4, "Cantidad", r.texto("cant"));
    }

    // One RankingN element per level-grade pair.
    void porGrado(const std::function<void(const std::string&, int, int)>& ranking) {
        for (const auto& [nivel, grados] : GradosPorNivel) {
            for (int grado = grados.first; grado <= grados.second; ++grado) {
                ranking("RankingN" + std::to_string(nivel) + std::to_string(grado), nivel, grado);
            }
        }
    }

    static const char* seccionLibros(bool morosos) { return morosos ? "LibrosMorosos" : "Libros"; }

    // <Libros>, or with morosos <LibrosMorosos> (overdue loans, no
    // <Prestados>), up to its <Tipos>.
    void libros(bool morosos) {
        const char* seccion = seccionLibros(morosos);
        abrir(1, seccion);
        if (morosos) {
            rankingLibros(2, "Ranking", s_.M1());
        } else {
            rankingLibros(2, "Ranking", s_.L1(), Recorrido::TablaEntera);
        }
        porGrado([&](const std::string& elemento, int n, int g) {
            rankingLibros(2, elemento, morosos ? s_.M2(n, g) : s_.L2(n, g));
        });
        if (!morosos) {
            linea(2, "Prestados", store::EjecutarConsulta(ctx_, s_.L3())->texto("cant"));
        }
        abrir(2, "Temas");
        recorrer(morosos ? s_.M4() : s_.L4(), [&](const store::Registros& r) {
            const std::string tema = r.texto("tematica");
            abrir(3, "Tema");
            linea(4, "Tema", tema);
            linea(4, "Cantidad", r.texto("cant"));
            rankingLibros(4, "Ranking", morosos ? s_.M5(tema) : s_.L5(tema));
            cerrar(3, "Tema");
        });
        porGrado([&](const std::string& elemento, int n, int g) {
            rankingTemas(3, elemento, morosos ? s_.M6(n, g) : s_.L6(n, g));
        });
        cerrar(2, "Temas");
    }

    // The <Tipos> of the books and the section's end.
    void librosPorTipo(bool morosos) {
        abrir(2, "Tipos");
        recorrer(morosos ? s_.M7() : s_.L7(), [&](const store::Registros& r) {
            abrir(3, "Tipo");
            cabeceraTipo(r);
            const std::string tipo = r.texto("tipo_usu");
            if (morosos) {
                rankingLibros(4, "Ranking", s_.M8(tipo));
            } else {
                rankingLibros(4, "Ranking", s_.L8(tipo), recorridoDeTipo(r));
            }
            cerrar(3, "Tipo");
        });
        cerrar(2, "Tipos");
        cerrar(1, seccionLibros(morosos));
    }

    void usuarios() {
        abrir(1, "Usuarios");
        rankingSocios(2, "Ranking", s_.U1(), Recorrido::TablaEntera);
        porGrado([&](const std::string& elemento, int n, int g) {
            rankingSocios(2, elemento, s_.U2(n, g));
        });
    }

    void usuariosPorTipo() {
        abrir(2, "Tipos");
        recorrer(s_.U7(), [&](const store::Registros& r) {
            abrir(3, "Tipo");
            cabeceraTipo(r);
            const std::string tipo = r.texto("tipo_usu");
            const Recorrido recorrido = recorridoDeTipo(r);
            rankingSocios(4, "Ranking", s_.U8(tipo), recorrido);
            rankingTemas(4, "Temas", s_.U9(tipo), recorrido);
            cerrar(3, "Tipo");
        });
        cerrar(2, "Tipos");
        cerrar(1, "Usuarios");
    }

    void morosos() {
        abrir(1, "Morosos");
        rankingSocios(2, "Ranking", s_.D1());
        porGrado([&](const std::string& elemento, int n, int g) {
            rankingSocios(2, elemento, s_.D2(n, g));
        });
        abrir(2, "Tipos");
        recorrer(s_.D7(), [&](const store::Registros& r) {
            abrir(3, "Tipo");
            cabeceraTipo(r);
            rankingSocios(4, "Ranking", s_.D8(r.texto("tipo_usu")));
            cerrar(3, "Tipo");
        });
        cerrar(2, "Tipos");
        cerrar(1, "Morosos");
    }

    store::Contexto& ctx_;
    SentenciasExportacion s_;
    std::string t_;
    std::optional<long long> total_; // loans in presta, once a member type asks
};

} // namespace

std::string DocumentoExportacion(store::Contexto& ctx, const std::string& filtro,
                                 const PeriodoExportacion& periodo) {
    store::BaseDatos& conexion = store::ConexionAbierta(ctx);
    const store::CacheDeLectura cache(conexion);
    core::Archivo_Ini ini(ctx.carpetaConfiguracion);
    ini.Cargar("INICIO");
    const std::string cabecera = "<?xml version='1.0' encoding='UTF-8' ?>\r\n<Escuela>\r\n\t<CUE>" +
                                 contenidoXml(ini.CUE) + "</CUE>\r\n\t<Periodo>" +
                                 TextoPeriodo(periodo, ctx.reloj.hoy()) + "</Periodo>";
    // The parts are independent: the heads of the books and the members are
    // written on this thread, their member types and the two overdue
    // sections over a second connection on another, so an export uses both
    // cores about evenly. Both connections read one state of the store,
    // whatever other programs commit meanwhile. The second reads the overdue
    // loans set apart for its overdue sections, whose statements then scan a
    // few thousand rows instead of every loan. When the connections cannot
    // share a state (rows not yet committed, which only the program's own
    // connection sees) this one writes everything itself over the whole table.
    using Parte = Redactor::Parte;
    struct Otras {
        std::string librosTipos, librosMorosos, usuariosTipos, morosos;
    };
    const auto otras = [&filtro](store::Contexto& c, bool apartarVencidos) {
        Redactor redactor(c, filtro);
        Otras o;
        o.librosTipos = redactor.partes({Parte::LibrosTipos});
        o.usuariosTipos = redactor.partes({Parte::UsuariosTipos});
        if (apartarVencidos) {
            ApartarVencidos(*c.Conexion);
        }
        o.librosMorosos = redactor.partes({Parte::LibrosMorosos});
        o.morosos = redactor.partes({Parte::Morosos});
        return o;
    };
    store::Contexto otro(core::Carpetas(ctx.carpetaConfiguracion, ctx.carpeta), ctx.reloj);
    const std::unique_ptr<store::LecturaCompartida> compartida =
        store::LecturaCompartida::abrir(conexion, otro);
    // Reading alone, the program's connection still reads one state throughout.
    const std::unique_ptr<store::TransaccionLectura> sola =
        compartida || conexion.enTransaccion()
            ? nullptr
            : std::make_unique<store::TransaccionLectura>(conexion);
    std::future<Otras> partesOtras =
        compartida ? std::async(std::launch::async, [&] { return otras(otro, true); })
                   : std::async(std::launch::deferred, [&] { return otras(ctx, false); });
    Redactor redactor(ctx, filtro);
    const std::string libros = redactor.partes({Parte::Libros});
    const std::string usuarios = redactor.partes({Parte::Usuarios});
    const Otras o = partesOtras.get();
    // The document's last statement is the overdue members' last, run over there.
    if (compartida) {
        ctx.TextoSql = otro.TextoSql;
    }
    return cabecera + libros + o.librosTipos + o.librosMorosos + usuarios + o.usuariosTipos +
           o.morosos + "\r\n</Escuela>";
}

} // namespace exportacion
