#include "reports/xlsx.h"

#include "core/descripcion_error.h"
#include "core/error.h"
#include "reports/tabla_salida.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <optional>

namespace reports {

namespace {

// Twips per character of the sheet's default font, near enough for widths.
constexpr double TwipsPorCaracter = 100;
// A sheet holds at most this many rows, the captions' included.
constexpr long MaximoFilas = 1048576;

std::optional<double> comoNumero(std::string_view texto) {
    std::string copia(texto);
    // A decimal comma, as the ranking writes percentages in a Spanish locale.
    std::replace(copia.begin(), copia.end(), ',', '.');
    double valor = 0;
    const char* fin = copia.data() + copia.size();
    const auto [resto, error] = std::from_chars(copia.data(), fin, valor);
    if (copia.empty() || error != std::errc() || resto != fin) {
        return std::nullopt;
    }
    return valor;
}

std::optional<lxw_datetime> comoFecha(std::string_view texto) {
    if (texto.size() != 8 || texto.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    const auto parte = [&](std::size_t desde, std::size_t largo) {
        int n = 0;
        std::from_chars(texto.data() + desde, texto.data() + desde + largo, n);
        return n;
    };
    const std::chrono::year_month_day fecha{std::chrono::year(parte(0, 4)),
                                            std::chrono::month(static_cast<unsigned>(parte(4, 2))),
                                            std::chrono::day(static_cast<unsigned>(parte(6, 2)))};
    if (!fecha.ok() || parte(0, 4) < 1900) {
        return std::nullopt;
    }
    return lxw_datetime{parte(0, 4), parte(4, 2), parte(6, 2), 0, 0, 0};
}

// What went wrong, in Spanish: the library only says it in English.
std::string motivo(lxw_error error) {
    switch (error) {
    case LXW_ERROR_CREATING_XLSX_FILE:
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_CLOSE:
        return "no se pudo crear o completar el archivo (¿carpeta sin permiso o disco lleno?)";
    case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED:
        return "un texto supera los 32767 caracteres que admite una celda";
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return "no alcanzó la memoria";
    default:
        return "error " + std::to_string(static_cast<int>(error)) + " al armar el libro";
    }
}

class Libro {
public:
    Libro(const std::string& ruta, const std::string& temporal) : ruta_(ruta) {
        lxw_workbook_options opciones{};
        opciones.constant_memory = LXW_TRUE;
        carpeta_ = std::filesystem::path(ruta).parent_path().string();
        if (carpeta_.empty()) {
            carpeta_ = ".";
        }
        opciones.tmpdir = carpeta_.data();
        libro_ = workbook_new_opt(temporal.c_str(), &opciones);
        if (!libro_) {
            throw core::Error(core::Error::ErrorArchivo, "No se pudo crear " + ruta_);
        }
    }
    ~Libro() {
        if (libro_) {
            workbook_close(libro_);
        }
    }
    Libro(const Libro&) = delete;
    Libro& operator=(const Libro&) = delete;

    lxw_workbook* operator->() const { return libro_; }
    lxw_workbook* get() const { return libro_; }

    void cerrar() {
        const lxw_error resultado = workbook_close(libro_);
        libro_ = nullptr;
        comprobar(resultado);
    }
    void comprobar(lxw_error resultado) const {
        if (resultado != LXW_NO_ERROR) {
            throw core::Error(core::Error::ErrorArchivo,
                              "No se pudo escribir " + ruta_ + ": " + motivo(resultado));
        }
    }

private:
    std::string ruta_;
    std::string carpeta_;
    lxw_workbook* libro_ = nullptr;
};

void escribirDatos(Libro& libro, const TablaSalida& tabla) {
    lxw_worksheet* hoja = workbook_add_worksheet(libro.get(), "Datos");
    lxw_format* negrita = workbook_add_format(libro.get());
    format_set_bold(negrita);
    lxw_format* fecha = workbook_add_format(libro.get());
    format_set_num_format(fecha, "dd/mm/yyyy");
    const auto columnas = static_cast<lxw_col_t>(tabla.titulos.size());
    for (lxw_col_t c = 0; c < columnas; ++c) {
        libro.comprobar(worksheet_set_column(
            hoja, c, c, std::max(4.0, tabla.anchos[c] / TwipsPorCaracter), nullptr));
    }
    worksheet_freeze_panes(hoja, 1, 0);
    for (lxw_col_t c = 0; c < columnas; ++c) {
        libro.comprobar(worksheet_write_string(hoja, 0, c, tabla.titulos[c].c_str(), negrita));
    }
    lxw_row_t fila = 0;
    std::string celda;
    while (tabla.filas.leer()) {
        if (++fila >= MaximoFilas) {
            throw core::Error(core::Error::ErrorArchivo, "La hoja de cálculo no admite más de " +
                                                             std::to_string(MaximoFilas - 1) +
                                                             " filas");
        }
        const auto& celdas = tabla.filas.celdas();
        for (lxw_col_t c = 0; c < columnas && c < celdas.size(); ++c) {
            if (celdas[c].empty()) {
                continue;
            }
            if (tabla.tipos[c] == TipoColumna::Numero) {
                if (const auto n = comoNumero(celdas[c])) {
                    libro.comprobar(worksheet_write_number(hoja, fila, c, *n, nullptr));
                    continue;
                }
            } else if (tabla.tipos[c] == TipoColumna::Fecha) {
                if (auto f = comoFecha(celdas[c])) {
                    libro.comprobar(worksheet_write_datetime(hoja, fila, c, &*f, fecha));
                    continue;
                }
            }
            celda.assign(celdas[c]);
            libro.comprobar(worksheet_write_string(hoja, fila, c, celda.c_str(), nullptr));
        }
    }
    if (columnas > 0) {
        libro.comprobar(worksheet_autofilter(hoja, 0, 0, fila, columnas - 1));
    }
}

void escribirInformacion(Libro& libro, const std::vector<std::string>& encabezado) {
    lxw_worksheet* hoja = workbook_add_worksheet(libro.get(), "Información");
    for (std::size_t f = 0; f < encabezado.size(); ++f) {
        libro.comprobar(worksheet_write_string(hoja, static_cast<lxw_row_t>(f), 0,
                                               encabezado[f].c_str(), nullptr));
    }
}

} // namespace

void EscribirXlsx(const std::string& ruta, const TablaSalida& tabla,
                  const std::function<std::vector<std::string>()>& lineas) {
    const std::string temporal = ruta + ".nuevo";
    try {
        Libro libro(ruta, temporal);
        escribirDatos(libro, tabla);
        const std::vector<std::string> encabezado = lineas();
        escribirInformacion(libro, encabezado);
        std::string comentarios;
        for (const std::string& linea : encabezado) {
            comentarios += (comentarios.empty() ? "" : "\n") + linea;
        }
        lxw_doc_properties propiedades{};
        const std::string titulo = encabezado.empty() ? std::string() : encabezado.front();
        propiedades.title = const_cast<char*>(titulo.c_str());
        propiedades.comments = const_cast<char*>(comentarios.c_str());
        libro.comprobar(workbook_set_properties(libro.get(), &propiedades));
        libro.cerrar();
        std::error_code error;
        std::filesystem::rename(temporal, ruta, error);
        if (error) {
            throw core::Error(core::Error::ErrorArchivo,
                              "No se pudo escribir " + ruta + ": " +
                                  core::descripcionDelSistema(error.value()));
        }
    } catch (const core::Error&) {
        std::error_code ignorado;
        std::filesystem::remove(temporal, ignorado);
        throw;
    }
}

} // namespace reports
