#include "isis/formato.h"

#include "core/error.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <optional>

namespace isis {

namespace {

enum class Clase { Literal, Campo, Modo, NuevaLinea, Salto, Porcentaje, Blancos, Columna, Grupo };
enum class Modo { Prueba, Encabezado, Datos };

struct Literal {
    std::string texto;
    bool mas = false; // |x|+vT / vT+|x|: skipped once
};

struct Selector {
    char clase = 'v'; // v, d (present), n (absent)
    int tag = 0;
    char subcampo = 0; // 0: whole field, '*': first subfield
    std::size_t saltar = 0;
    std::size_t largo = std::numeric_limits<std::size_t>::max();
    int desde = 1;
    int hasta = std::numeric_limits<int>::max();
    bool ultimo = false;
    std::optional<std::string> condicionalAntes, condicionalDespues;
    std::optional<Literal> repetibleAntes, repetibleDespues;
};

[[noreturn]] void errorFormato(const std::string& motivo) {
    throw core::Error(core::Error::ErrorIsis, "Formato no válido: " + motivo);
}

} // namespace

struct Formato::Elemento {
    Clase clase = Clase::Literal;
    std::string texto; // unconditional literal
    Selector selector; // field
    Modo modo = Modo::Prueba;
    bool mayusculas = false;
    int numero = 0; // xN, cN
    std::vector<Elemento> grupo;
};

namespace {

using Elemento = Formato::Elemento;

class Analizador {
public:
    explicit Analizador(std::string_view t) : t_(t) {}

    std::vector<Elemento> todo() {
        auto r = secuencia(false);
        if (i_ < t_.size()) {
            errorFormato("')' sin '(' en la posición " + std::to_string(i_ + 1));
        }
        return r;
    }

private:
    enum class Tipo { Condicional, Repetible };
    struct Pendiente {
        Tipo tipo;
        Literal literal;
    };

    bool fin() const { return i_ >= t_.size(); }
    char ver(std::size_t k = 0) const { return i_ + k < t_.size() ? t_[i_ + k] : '\0'; }
    static bool blanco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
    static bool digito(char c) { return c >= '0' && c <= '9'; }
    static char minuscula(char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }

    int numero() {
        if (!digito(ver())) {
            errorFormato("se esperaba un número en la posición " + std::to_string(i_ + 1));
        }
        long v = 0;
        while (digito(ver())) {
            v = std::min<long>(v * 10 + (ver() - '0'), 1000000);
            ++i_;
        }
        return static_cast<int>(v);
    }

    std::string literal(char cierre) {
        const std::size_t inicio = ++i_;
        const std::size_t f = t_.find(cierre, inicio);
        if (f == std::string_view::npos) {
            errorFormato("literal sin cerrar en la posición " + std::to_string(inicio));
        }
        i_ = f + 1;
        return std::string(t_.substr(inicio, f - inicio));
    }

    void rango(Selector& s) {
        ++i_; // '['
        if (minuscula(ver()) == 'l' && minuscula(ver(1)) == 'a' && minuscula(ver(2)) == 's' &&
            minuscula(ver(3)) == 't') {
            i_ += 4;
            s.ultimo = true;
        } else {
            s.desde = numero();
            s.hasta = s.desde;
            if (ver() == '.' && ver(1) == '.') {
                i_ += 2;
                s.hasta = digito(ver()) ? numero() : std::numeric_limits<int>::max();
            }
        }
        if (ver() != ']') {
            errorFormato("rango de ocurrencias sin ']'");
        }
        ++i_;
    }

    Selector selector() {
        Selector s;
        s.clase = minuscula(ver());
        ++i_;
        s.tag = numero();
        if (ver() == '[') {
            rango(s);
        }
        if (ver() == '^') {
            if (i_ + 1 >= t_.size()) {
                errorFormato("'^' sin código de subcampo");
            }
            s.subcampo = ver(1) == '*' ? '*' : minuscula(ver(1));
            i_ += 2;
        }
        if (ver() == '*' && digito(ver(1))) {
            ++i_;
            s.saltar = static_cast<std::size_t>(numero());
        }
        if (ver() == '.' && digito(ver(1))) {
            ++i_;
            s.largo = static_cast<std::size_t>(numero());
        }
        if (ver() == '[' && !s.ultimo && s.desde == 1 &&
            s.hasta == std::numeric_limits<int>::max()) {
            rango(s);
        }
        return s;
    }

    static void asignarPrefijos(Selector& s, std::vector<Pendiente>& pendientes) {
        for (Pendiente& p : pendientes) {
            if (p.tipo == Tipo::Condicional) {
                s.condicionalAntes = s.condicionalAntes.value_or("") + p.literal.texto;
            } else {
                s.repetibleAntes = p.literal;
            }
        }
        pendientes.clear();
    }

    static void asignarSufijo(Selector& s, Tipo tipo, Literal l) {
        if (tipo == Tipo::Condicional) {
            s.condicionalDespues = s.condicionalDespues.value_or("") + l.texto;
        } else {
            s.repetibleDespues = std::move(l);
        }
    }

    std::vector<Elemento> secuencia(bool enGrupo) {
        std::vector<Elemento> r;
        std::vector<Pendiente> pendientes;
        // The field a literal written right after it (no comma) belongs to.
        std::optional<std::size_t> campoAdyacente;
        while (!fin()) {
            const char c = ver();
            const char m = minuscula(c);
            if (blanco(c)) {
                ++i_;
            } else if (c == ',') {
                ++i_;
                campoAdyacente.reset();
            } else if (c == ')') {
                break;
            } else if (c == '"' || c == '|' || (c == '+' && ver(1) == '|')) {
                const bool masAntes = c == '+';
                if (masAntes) {
                    if (!campoAdyacente) {
                        errorFormato("'+' sin campo antes");
                    }
                    ++i_;
                }
                const Tipo tipo = ver() == '"' ? Tipo::Condicional : Tipo::Repetible;
                Literal l{literal(ver()), masAntes};
                if (campoAdyacente) {
                    asignarSufijo(r[*campoAdyacente].selector, tipo, std::move(l));
                    continue;
                }
                if (ver() == '+') {
                    ++i_;
                    l.mas = true;
                    if (tipo != Tipo::Repetible || !esCampo()) {
                        errorFormato("'+' sin campo después");
                    }
                }
                pendientes.push_back(Pendiente{tipo, std::move(l)});
            } else if (c == '\'') {
                Elemento e;
                e.texto = literal('\'');
                r.push_back(std::move(e));
                campoAdyacente.reset();
            } else if (esCampo()) {
                Elemento e;
                e.clase = Clase::Campo;
                e.selector = selector();
                asignarPrefijos(e.selector, pendientes);
                r.push_back(std::move(e));
                campoAdyacente = r.size() - 1;
            } else if (m == 'm' &&
                       std::string_view("phd").find(minuscula(ver(1))) != std::string_view::npos &&
                       (minuscula(ver(2)) == 'l' || minuscula(ver(2)) == 'u')) {
                Elemento e;
                e.clase = Clase::Modo;
                const char clase = minuscula(ver(1));
                e.modo = clase == 'p'   ? Modo::Prueba
                         : clase == 'h' ? Modo::Encabezado
                                        : Modo::Datos;
                e.mayusculas = minuscula(ver(2)) == 'u';
                i_ += 3;
                r.push_back(std::move(e));
                campoAdyacente.reset();
            } else if (c == '/' || c == '#' || c == '%') {
                Elemento e;
                e.clase = c == '/'   ? Clase::NuevaLinea
                          : c == '#' ? Clase::Salto
                                     : Clase::Porcentaje;
                ++i_;
                r.push_back(std::move(e));
                campoAdyacente.reset();
            } else if ((m == 'x' || m == 'c') && digito(ver(1))) {
                Elemento e;
                e.clase = m == 'x' ? Clase::Blancos : Clase::Columna;
                ++i_;
                e.numero = numero();
                r.push_back(std::move(e));
                campoAdyacente.reset();
            } else if (c == '(' && !enGrupo) {
                ++i_;
                Elemento e;
                e.clase = Clase::Grupo;
                e.grupo = secuencia(true);
                if (ver() != ')') {
                    errorFormato("grupo sin ')'");
                }
                ++i_;
                r.push_back(std::move(e));
                campoAdyacente.reset();
            } else {
                errorFormato("construcción no admitida en la posición " + std::to_string(i_ + 1) +
                             ": " + std::string(t_.substr(i_, 12)));
            }
        }
        if (!pendientes.empty()) {
            errorFormato("literal sin campo al que aplicarse");
        }
        return r;
    }

    bool esCampo() const {
        const char m = minuscula(ver());
        return (m == 'v' || m == 'd' || m == 'n') && digito(ver(1));
    }

    std::string_view t_;
    std::size_t i_ = 0;
};

// The text of occurrence `texto` that selector `s` prints.
std::string_view pieza(const Selector& s, std::string_view texto) {
    if (s.subcampo == '*') {
        if (!texto.empty() && texto[0] == '^') {
            texto.remove_prefix(std::min<std::size_t>(2, texto.size()));
        }
        texto = texto.substr(0, texto.find('^'));
    } else if (s.subcampo != 0) {
        std::size_t k = 0;
        for (; k + 1 < texto.size(); ++k) {
            if (texto[k] == '^' &&
                std::tolower(static_cast<unsigned char>(texto[k + 1])) == s.subcampo) {
                break;
            }
        }
        if (k + 1 >= texto.size()) {
            return {};
        }
        texto = texto.substr(k + 2);
        texto = texto.substr(0, texto.find('^'));
    }
    texto.remove_prefix(std::min(s.saltar, texto.size()));
    return texto.substr(0, std::min(s.largo, texto.size()));
}

// Heading mode: subfield marks become punctuation, < > go away.
std::string encabezado(std::string_view s) {
    std::string r;
    std::size_t i = 0;
    if (s.size() >= 2 && s[0] == '^') {
        i = 2;
    }
    bool enAngulo = false;
    bool saltando = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '^' && i + 1 < s.size()) {
            const char codigo =
                static_cast<char>(std::tolower(static_cast<unsigned char>(s[i + 1])));
            r += codigo == 'a' ? "; " : (codigo >= 'b' && codigo <= 'i') ? ", " : ". ";
            ++i;
        } else if (c == '<') {
            enAngulo = true;
            saltando = false;
        } else if (c == '>') {
            if (i + 1 < s.size() && s[i + 1] == '<') {
                r += "; ";
                ++i;
                saltando = false;
            } else {
                enAngulo = false;
                saltando = false;
            }
        } else if (c == '=' && enAngulo) {
            saltando = true;
        } else if (!saltando) {
            r += c;
        }
    }
    return r;
}

struct Contexto {
    const Registro& registro;
    const CodigoPagina& codigo;
    Modo modo = Modo::Prueba;
    bool mayusculas = false;
    int ocurrenciaGrupo = 0; // inside a group: the one occurrence selectors see
    std::string salida;
};

void escribir(Contexto& c, std::string_view texto) {
    if (c.mayusculas) {
        c.salida += c.codigo.mayusculas(texto);
    } else {
        c.salida += texto;
    }
}

void campo(Contexto& c, const Selector& s) {
    std::vector<std::string_view> ocurrencias;
    for (const Campo& f : c.registro.campos) {
        if (f.tag == s.tag) {
            ocurrencias.push_back(f.texto);
        }
    }
    const int total = static_cast<int>(ocurrencias.size());
    int desde = s.ultimo ? total : s.desde;
    int hasta = s.ultimo ? total : std::min(s.hasta, total);
    if (c.ocurrenciaGrupo > 0) {
        desde = std::max(desde, c.ocurrenciaGrupo);
        hasta = std::min(hasta, c.ocurrenciaGrupo);
    }
    std::vector<std::string_view> piezas;
    for (int k = std::max(desde, 1); k <= hasta; ++k) {
        const std::string_view p = pieza(s, ocurrencias[static_cast<std::size_t>(k - 1)]);
        if (!p.empty()) {
            piezas.push_back(p);
        }
    }
    if (s.clase != 'v') {
        const bool imprime = (s.clase == 'd') == !piezas.empty();
        if (imprime) {
            escribir(c, s.condicionalAntes.value_or("") + s.condicionalDespues.value_or(""));
        }
        return;
    }
    for (std::size_t k = 0; k < piezas.size(); ++k) {
        const bool primera = k == 0;
        const bool ultima = k + 1 == piezas.size();
        std::string t;
        if (primera && s.condicionalAntes) {
            t += *s.condicionalAntes;
        }
        if (s.repetibleAntes && !(s.repetibleAntes->mas && primera)) {
            t += s.repetibleAntes->texto;
        }
        t += piezas[k];
        bool sufijo = false;
        if (s.repetibleDespues && !(s.repetibleDespues->mas && ultima)) {
            t += s.repetibleDespues->texto;
            sufijo = true;
        }
        if (ultima && s.condicionalDespues) {
            t += *s.condicionalDespues;
            sufijo = true;
        }
        if (c.modo != Modo::Prueba) {
            t = encabezado(t);
        }
        if (c.modo == Modo::Datos && !sufijo && !t.empty()) {
            t += std::string_view(".,;:!?").find(t.back()) != std::string_view::npos ? "  " : ".  ";
        }
        escribir(c, t);
    }
}

int ocurrenciasDelGrupo(const Registro& r, const std::vector<Elemento>& grupo) {
    int maximo = 0;
    for (const Elemento& e : grupo) {
        if (e.clase != Clase::Campo) {
            continue;
        }
        const auto n = std::count_if(r.campos.begin(), r.campos.end(),
                                     [&](const Campo& f) { return f.tag == e.selector.tag; });
        maximo = std::max(maximo, static_cast<int>(n));
    }
    return maximo;
}

void ejecutar(Contexto& c, const std::vector<Elemento>& elementos) {
    for (const Elemento& e : elementos) {
        switch (e.clase) {
        case Clase::Literal:
            escribir(c, e.texto);
            break;
        case Clase::Campo:
            campo(c, e.selector);
            break;
        case Clase::Modo:
            c.modo = e.modo;
            c.mayusculas = e.mayusculas;
            break;
        case Clase::NuevaLinea:
            if (!c.salida.empty() && c.salida.back() != '\n') {
                c.salida += '\n';
            }
            break;
        case Clase::Salto:
            c.salida += '\n';
            break;
        case Clase::Porcentaje:
            while (c.salida.size() >= 2 && c.salida.ends_with("\n\n")) {
                c.salida.pop_back();
            }
            break;
        case Clase::Blancos:
            c.salida.append(static_cast<std::size_t>(e.numero), ' ');
            break;
        case Clase::Columna: {
            const std::size_t inicio = c.salida.rfind('\n') + 1; // npos + 1 = 0
            const std::size_t columna = c.salida.size() - inicio + 1;
            const auto destino = static_cast<std::size_t>(std::max(e.numero, 1));
            if (columna > destino) {
                c.salida += '\n';
                c.salida.append(destino - 1, ' ');
            } else {
                c.salida.append(destino - columna, ' ');
            }
            break;
        }
        case Clase::Grupo: {
            const int n = ocurrenciasDelGrupo(c.registro, e.grupo);
            for (int k = 1; k <= n; ++k) {
                c.ocurrenciaGrupo = k;
                ejecutar(c, e.grupo);
            }
            c.ocurrenciaGrupo = 0;
            break;
        }
        }
    }
}

} // namespace

Formato::Formato(std::string_view texto) : elementos_(Analizador(texto).todo()) {}
Formato::~Formato() = default;
Formato::Formato(Formato&&) noexcept = default;
Formato& Formato::operator=(Formato&&) noexcept = default;

std::string Formato::aplicar(const Registro& registro, const CodigoPagina& codigo) const {
    Contexto c{registro, codigo, Modo::Prueba, false, 0, {}};
    ejecutar(c, elementos_);
    return std::move(c.salida);
}

} // namespace isis
