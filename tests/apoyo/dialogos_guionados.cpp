#include "tests/apoyo/dialogos_guionados.h"

namespace prueba {

namespace {
template <typename T> std::optional<T> sacar(std::deque<T>& cola) {
    if (cola.empty()) {
        return std::nullopt;
    }
    T valor = std::move(cola.front());
    cola.pop_front();
    return valor;
}
} // namespace

core::ui::Dialogos::Respuesta DialogosGuionados::mensaje(const std::string& texto,
                                                         const std::string& titulo, Botones botones,
                                                         Icono icono) {
    mensajes.push_back({texto, titulo, botones, icono});
    if (alMostrar) {
        alMostrar(mensajes.back());
    }
    const auto respuesta = sacar(respuestas);
    if (respuesta) {
        return *respuesta;
    }
    return botones == Botones::SiNo ? Respuesta::Si : Respuesta::Aceptar;
}

std::optional<std::string> DialogosGuionados::entrada(const std::string& pregunta,
                                                      const std::string& titulo,
                                                      const std::string& porDefecto) {
    preguntas.push_back({pregunta, titulo, porDefecto});
    const auto respuesta = sacar(entradas);
    return respuesta ? *respuesta : std::nullopt;
}

std::string DialogosGuionados::abrirArchivo(const std::string& titulo, const std::string& filtro,
                                            const std::string& inicial) {
    aperturas.push_back({titulo, filtro, inicial});
    return sacar(archivos).value_or(std::string{});
}

bool DialogosGuionados::elegirImpresora(QPrinter& destino) {
    ++impresionesPedidas;
    return impresora ? impresora(destino) : false;
}

std::string DialogosGuionados::guardarArchivo(const std::string& titulo, const std::string& filtro,
                                              const std::string& inicial) {
    guardadosPedidos.push_back({titulo, filtro, inicial});
    return sacar(guardados).value_or(std::string{});
}

void DialogosGuionados::vistaPrevia(QPrinter& destino,
                                    const std::function<void(QPrinter&)>& pintar) {
    ++vistasPedidas;
    if (vista) {
        vista(destino, pintar);
    }
}

} // namespace prueba
