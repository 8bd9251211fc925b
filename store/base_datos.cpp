#include "store/base_datos.h"

#include "core/descripcion_error.h"
#include "core/error.h"
#include "core/reloj.h"
#include "core/texto.h"
#include "store/coleccion_espanol.h"
#include "store/memoria_consultas.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>

namespace store {

namespace {

std::string_view textoDe(sqlite3_value* v) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return p ? std::string_view(p, static_cast<std::size_t>(sqlite3_value_bytes(v)))
             : std::string_view();
}

int coleccion(void*, int la, const void* a, int lb, const void* b) {
    return compararEspanol(
        std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(la)),
        std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(lb)));
}

// date(): today from the program's clock, as ISO text.
void fechaHoy(sqlite3_context* ctx, int, sqlite3_value**) {
    const auto* reloj = static_cast<const core::Reloj*>(sqlite3_user_data(ctx));
    const std::string t = core::textoAAAAMMDD(reloj->hoy());
    const std::string iso = t.substr(0, 4) + "-" + t.substr(4, 2) + "-" + t.substr(6, 2);
    sqlite3_result_text(ctx, iso.c_str(), static_cast<int>(iso.size()), SQLITE_TRANSIENT);
}

// format(fecha, patron) for the date patterns the program uses (yyyy, mm, dd).
void formato(sqlite3_context* ctx, int, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    std::string digitos;
    for (char c : textoDe(args[0])) {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            digitos += c;
        }
    }
    const std::string_view patron = textoDe(args[1]);
    if (digitos.size() != 8) {
        sqlite3_result_error(ctx, "format(): se esperaba una fecha", -1);
        return;
    }
    std::string salida;
    for (std::size_t i = 0; i < patron.size();) {
        const auto resto = patron.substr(i);
        const auto empieza = [&](std::string_view p) {
            if (resto.size() < p.size()) {
                return false;
            }
            for (std::size_t k = 0; k < p.size(); ++k) {
                if (std::tolower(static_cast<unsigned char>(resto[k])) != p[k]) {
                    return false;
                }
            }
            return true;
        };
        if (empieza("yyyy")) {
            salida += digitos.substr(0, 4);
            i += 4;
        } else if (empieza("mm")) {
            salida += digitos.substr(4, 2);
            i += 2;
        } else if (empieza("dd")) {
            salida += digitos.substr(6, 2);
            i += 2;
        } else if (std::isalpha(static_cast<unsigned char>(resto[0]))) {
            sqlite3_result_error(ctx, "format(): patrón no admitido", -1);
            return;
        } else {
            salida += resto[0];
            ++i;
        }
    }
    sqlite3_result_text(ctx, salida.c_str(), static_cast<int>(salida.size()), SQLITE_TRANSIENT);
}

// LEFT(x, n): the first n characters.
void izquierda(sqlite3_context* ctx, int, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL || sqlite3_value_type(args[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const std::string_view t = textoDe(args[0]);
    const auto n = sqlite3_value_int64(args[1]);
    std::size_t i = 0;
    for (long long k = 0; k < n && i < t.size(); ++k) {
        ++i;
        while (i < t.size() && (static_cast<unsigned char>(t[i]) & 0xC0) == 0x80) {
            ++i;
        }
    }
    sqlite3_result_text(ctx, t.data(), static_cast<int>(i), SQLITE_TRANSIENT);
}

// like(patron, texto [, escape]) implements "texto LIKE patron".
void parecido(sqlite3_context* ctx, int argc, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL || sqlite3_value_type(args[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    char32_t escape = 0;
    if (argc == 3) {
        const std::string_view e = textoDe(args[2]);
        escape = e.empty() ? 0 : static_cast<unsigned char>(e[0]);
    }
    sqlite3_result_int(ctx, parecidoEspanol(textoDe(args[1]), textoDe(args[0]), escape) ? 1 : 0);
}

// sin_acentos(texto): the text with its Latin-1 accents taken off, for
// searches that match whatever accents the text or the typed words carry.
void quitarAcentos(sqlite3_context* ctx, int, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const std::string_view texto = textoDe(args[0]);
    if (std::all_of(texto.begin(), texto.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        sqlite3_result_value(ctx, args[0]);
        return;
    }
    const std::string sin = core::texto::sinAcentos(texto);
    sqlite3_result_text(ctx, sin.data(), static_cast<int>(sin.size()), SQLITE_TRANSIENT);
}

void registrar(BaseDatos& base, const char* nombre, int argumentos, void* datos,
               void (*funcion)(sqlite3_context*, int, sqlite3_value**)) {
    const int banderas = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    if (sqlite3_create_function(base.manejador(), nombre, argumentos, banderas, datos, funcion,
                                nullptr, nullptr) != SQLITE_OK) {
        base.fallar(nombre);
    }
}

} // namespace

void lanzarErrorSqlite(sqlite3* db, const std::string& contexto) {
    if (db == nullptr) {
        throw core::Error(core::Error::ErrorBaseDatos, "Memoria insuficiente");
    }
    const char* archivo = sqlite3_db_filename(db, "main");
    const std::string descripcion =
        core::descripcionDelMotor(sqlite3_extended_errcode(db), sqlite3_system_errno(db),
                                  sqlite3_errmsg(db), archivo != nullptr ? archivo : "");
    throw core::Error(core::Error::ErrorBaseDatos,
                      contexto.empty() ? descripcion : descripcion + " (" + contexto + ")");
}

bool BaseDatos::enTransaccion() const {
    return sqlite3_get_autocommit(db_) == 0;
}

bool BaseDatos::danada() const {
    return core::motorIndicaDano(codigoFallo_);
}

bool BaseDatos::ocupada() const {
    return core::motorIndicaOcupado(codigoFallo_);
}

bool BaseDatos::seMovio() const {
    int movido = 0;
    return sqlite3_file_control(db_, "main", SQLITE_FCNTL_HAS_MOVED, &movido) == SQLITE_OK &&
           movido != 0;
}

void BaseDatos::fallar(const std::string& contexto) {
    codigoFallo_ = sqlite3_extended_errcode(db_);
    lanzarErrorSqlite(db_, contexto);
}

BaseDatos::BaseDatos(const std::string& ruta, const core::Reloj& reloj)
    : ruta_(ruta), reloj_(reloj) {
    abrir();
}

void BaseDatos::reabrir() {
    sqlite3_close_v2(db_);
    db_ = nullptr;
    abrir();
}

void BaseDatos::abrir() {
    // The engine's memory statistics take a lock on every allocation, and
    // nothing here reads them. This can only be set before the engine starts,
    // that is before the process's first connection; later it is refused,
    // which changes nothing.
    static const int sinEstadisticas = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    static_cast<void>(sinEstadisticas);
    if (sqlite3_open_v2(ruta_.c_str(), &db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        const std::string descripcion =
            db_ != nullptr ? core::descripcionDelMotor(sqlite3_extended_errcode(db_),
                                                       sqlite3_system_errno(db_), "", ruta_)
                           : "Memoria insuficiente";
        sqlite3_close(db_);
        db_ = nullptr;
        throw core::Error(core::Error::ErrorBaseDatos, descripcion);
    }
    // One user on one thread: read the file through memory and keep a large
    // page cache, so reports over a whole school year stay quick. Sorts and
    // groupings keep the engine's own temporary storage: held in memory by
    // force they ran 8-17 % slower on the lists and rankings. The rollback
    // journal lets a program hold the store for a moment (a write, the exit
    // compaction, an export's two connections) and guarantees that a crash
    // leaves the previous state; while another program holds the store the
    // mode stays as it is, without waiting. Pages of 16 KiB make the load's
    // inserts, index builds and commit cheaper than the engine's 4 KiB (about
    // a tenth of the run) at no cost to the queries; a new store gets them,
    // and the exit compaction's copy gives them to an older one.
    sqlite3_exec(db_,
                 "PRAGMA page_size = 16384; PRAGMA mmap_size = 268435456; "
                 "PRAGMA cache_size = -65536; PRAGMA journal_mode = DELETE",
                 nullptr, nullptr, nullptr);
    sqlite3_busy_timeout(db_, EsperaPorOtroPrograma);
    auto* datosReloj = const_cast<core::Reloj*>(&reloj_);
    if (sqlite3_create_collation(db_, "ESPANOL", SQLITE_UTF8, nullptr, coleccion) != SQLITE_OK) {
        fallar("ESPANOL");
    }
    // date() is constant within a statement: evaluated once, not once per row.
    registrar(*this, "date", 0, datosReloj, fechaHoy);
    registrar(*this, "format", 2, nullptr, formato);
    registrar(*this, "jet_left", 2, nullptr, izquierda);
    registrar(*this, "like", 2, nullptr, parecido);
    registrar(*this, "like", 3, nullptr, parecido);
    registrar(*this, "sin_acentos", 1, nullptr, quitarAcentos);
    // Results kept from a file opened before may not hold for this one.
    memoria_ = std::make_unique<MemoriaConsultas>(*this, reloj_);
}

BaseDatos::~BaseDatos() {
    sqlite3_close_v2(db_);
}

void BaseDatos::ejecutar(const std::string& sql) {
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        fallar();
    }
}

Transaccion::Transaccion(BaseDatos& base) : base_(base) {
    for (int intento = 1;; ++intento) {
        base_.ejecutar("BEGIN IMMEDIATE");
        if (!base_.seMovio()) {
            return;
        }
        sqlite3_exec(base_.manejador(), "ROLLBACK", nullptr, nullptr, nullptr);
        if (intento == 3) {
            throw core::Error(
                core::Error::ErrorBaseDatos,
                core::descripcionDelMotor(SQLITE_READONLY_DBMOVED, 0, "", base_.ruta()));
        }
        base_.reabrir();
    }
}

Transaccion::~Transaccion() {
    if (abierta_) {
        sqlite3_exec(base_.manejador(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void Transaccion::confirmar() {
    base_.ejecutar("COMMIT");
    abierta_ = false;
}

TransaccionLectura::TransaccionLectura(BaseDatos& base) : base_(base) {
    base_.ejecutar("BEGIN");
    // The first read takes the shared lock that fixes what is read.
    if (sqlite3_exec(base_.manejador(), "SELECT COUNT(*) FROM sqlite_master", nullptr, nullptr,
                     nullptr) != SQLITE_OK) {
        try {
            base_.fallar();
        } catch (const core::Error&) {
            sqlite3_exec(base_.manejador(), "ROLLBACK", nullptr, nullptr, nullptr);
            throw;
        }
    }
}

TransaccionLectura::~TransaccionLectura() {
    sqlite3_exec(base_.manejador(), "COMMIT", nullptr, nullptr, nullptr);
}

std::unique_ptr<TransaccionLectura> TransaccionLectura::sinEsperar(BaseDatos& base) {
    sqlite3_busy_timeout(base.manejador(), 0);
    std::unique_ptr<TransaccionLectura> lectura;
    try {
        lectura = std::make_unique<TransaccionLectura>(base);
    } catch (const core::Error&) {
        sqlite3_busy_timeout(base.manejador(), EsperaPorOtroPrograma);
        if (!base.ocupada()) {
            throw;
        }
        return nullptr;
    }
    sqlite3_busy_timeout(base.manejador(), EsperaPorOtroPrograma);
    return lectura;
}

Sentencia::Sentencia(BaseDatos& base, const std::string& sql) : base_(base) {
    if (sqlite3_prepare_v2(base.manejador(), sql.c_str(), static_cast<int>(sql.size()), &st_,
                           nullptr) != SQLITE_OK) {
        base.fallar();
    }
    if (st_ == nullptr) {
        throw core::Error(core::Error::ErrorBaseDatos, "La instrucción está vacía");
    }
}

Sentencia::~Sentencia() {
    sqlite3_finalize(st_);
}

bool Sentencia::paso() {
    const int r = sqlite3_step(st_);
    if (r == SQLITE_ROW) {
        return true;
    }
    if (r == SQLITE_DONE) {
        return false;
    }
    base_.fallar();
}

void Sentencia::reiniciar() {
    sqlite3_reset(st_);
    sqlite3_clear_bindings(st_);
}

void Sentencia::enlazar(int indice, const std::optional<std::string>& valor) {
    const int r = valor ? sqlite3_bind_text(st_, indice, valor->data(),
                                            static_cast<int>(valor->size()), SQLITE_TRANSIENT)
                        : sqlite3_bind_null(st_, indice);
    if (r != SQLITE_OK) {
        base_.fallar();
    }
}

void Sentencia::enlazarSinCopia(int indice, std::string_view valor) {
    if (sqlite3_bind_text(st_, indice, valor.data(), static_cast<int>(valor.size()),
                          SQLITE_STATIC) != SQLITE_OK) {
        base_.fallar();
    }
}

int Sentencia::columnas() const {
    return sqlite3_column_count(st_);
}

std::string Sentencia::nombreColumna(int i) const {
    const char* n = sqlite3_column_name(st_, i);
    return n ? n : "";
}

std::optional<std::string> Sentencia::valor(int i) const {
    const std::optional<std::string_view> v = vista(i);
    return v ? std::optional<std::string>(std::string(*v)) : std::nullopt;
}

std::optional<std::string_view> Sentencia::vista(int i) const {
    // Only a NULL, an empty blob or a failed conversion has no text: the
    // type is asked only then, as a list reads a million cells this way.
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st_, i));
    if (p == nullptr) {
        if (sqlite3_column_type(st_, i) == SQLITE_NULL) {
            return std::nullopt;
        }
        if (sqlite3_errcode(base_.manejador()) == SQLITE_NOMEM) {
            base_.fallar();
        }
        return std::string_view();
    }
    return std::string_view(p, static_cast<std::size_t>(sqlite3_column_bytes(st_, i)));
}

} // namespace store
