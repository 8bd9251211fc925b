#include "store/memoria_consultas.h"

#include "store/anticipo_consultas.h"
#include "store/base_datos.h"
#include "store/plan_consulta.h"

#include <sqlite3.h>

namespace store {

namespace {

// A session rarely asks for more distinct statements; past this the oldest
// are not worth telling apart and all are dropped.
constexpr std::size_t MaximoGuardadas = 64;

} // namespace

MemoriaConsultas::MemoriaConsultas(BaseDatos& base, const core::Reloj& reloj)
    : base_(base), reloj_(reloj) {}

MemoriaConsultas::~MemoriaConsultas() = default;

const FilasLeidas& MemoriaConsultas::leer(const std::string& sql, std::size_t limite) {
    if (base_.enTransaccion()) {
        // A rollback moves neither counter: rows read inside a transaction
        // are never kept, and what was kept before goes. Rows read ahead
        // would be out of date once this transaction commits.
        guardadas_.clear();
        marca_ = {};
        anticipo_.reset();
        return guardadas_.emplace(sql, leerDeLaBase(sql, limite)).first->second;
    }
    const Marca ahora = marcaActual();
    if (!(ahora == marca_)) {
        guardadas_.clear();
        marca_ = ahora;
    }
    recogerAnticipo(ahora);
    const auto guardada = guardadas_.find(sql);
    if (guardada != guardadas_.end() &&
        (guardada->second.todas || guardada->second.filas.size() >= limite)) {
        return guardada->second;
    }
    if (guardadas_.size() >= MaximoGuardadas) {
        guardadas_.clear();
    }
    return guardadas_.insert_or_assign(sql, leerDeLaBase(sql, limite)).first->second;
}

void MemoriaConsultas::anticipar(std::vector<std::string> sentencias, std::size_t limite) {
    anticipo_.reset();
    if (base_.enTransaccion()) {
        return;
    }
    // The other connection starts reading after this mark is taken: if the
    // store is unchanged when its rows are kept, it read this same store.
    marcaAnticipo_ = marcaActual();
    anticipo_ =
        std::make_unique<AnticipoConsultas>(base_.ruta(), reloj_, std::move(sentencias), limite);
}

void MemoriaConsultas::esperarAnticipo() {
    if (anticipo_) {
        anticipo_->esperar();
    }
}

void MemoriaConsultas::recogerAnticipo(const Marca& ahora) {
    if (!anticipo_) {
        return;
    }
    if (!(ahora == marcaAnticipo_)) {
        anticipo_.reset();
        return;
    }
    const bool terminado = anticipo_->terminado();
    for (auto& [sql, filas] : anticipo_->recoger()) {
        guardadas_.try_emplace(sql, std::move(filas));
    }
    if (terminado) {
        anticipo_.reset();
    }
}

MemoriaConsultas::Marca MemoriaConsultas::marcaActual() const {
    const auto numero = [this](const char* pragma) {
        Sentencia s(base_, pragma);
        s.paso();
        return sqlite3_column_int64(s.manejador(), 0);
    };
    Marca m;
    // Each counter misses what the others see: this connection's own rows
    // written, commits by other connections, and tables or indexes created
    // or dropped by any connection.
    m.cambios = sqlite3_total_changes64(base_.manejador());
    m.version = numero("PRAGMA data_version");
    m.esquema = numero("PRAGMA schema_version");
    m.dia = reloj_.hoy();
    return m;
}

FilasLeidas MemoriaConsultas::leerDeLaBase(const std::string& sql, std::size_t limite) {
    Sentencia s(base_, sinRecorridoPorIndice(base_, sql));
    FilasLeidas leidas;
    const int columnas = s.columnas();
    for (int i = 0; i < columnas; ++i) {
        leidas.nombres.push_back(s.nombreColumna(i));
    }
    while (leidas.filas.size() < limite) {
        if (!s.paso()) {
            leidas.todas = true;
            break;
        }
        auto& fila = leidas.filas.emplace_back();
        for (int i = 0; i < columnas; ++i) {
            fila.push_back(s.valor(i));
        }
    }
    return leidas;
}

} // namespace store
