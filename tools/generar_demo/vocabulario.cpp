#include "tools/generar_demo/vocabulario.h"

#include <array>

namespace demo::vocabulario {

namespace {

constexpr std::array<std::string_view, 48> kApellidos = {
    "González", "Rodríguez", "Gómez",     "Fernández", "López",    "Díaz",    "Martínez",
    "Pérez",    "García",    "Sánchez",   "Romero",    "Sosa",     "Álvarez", "Torres",
    "Ruiz",     "Ramírez",   "Flores",    "Acosta",    "Benítez",  "Medina",  "Suárez",
    "Herrera",  "Aguirre",   "Giménez",   "Gutiérrez", "Pereyra",  "Rojas",   "Molina",
    "Castro",   "Ortiz",     "Núñez",     "Muñoz",     "Peña",     "Ibáñez",  "Cabrera",
    "Ríos",     "Domínguez", "Vázquez",   "Quiroga",   "Ledesma",  "Ojeda",   "Godoy",
    "Ávila",    "Zárate",    "Maldonado", "Villalba",  "Ferreyra", "Carrizo"};

constexpr std::array<std::string_view, 48> kNombres = {
    "María",     "José",     "Juan",      "Ana",     "Lucía",   "Martín",  "Sofía",    "Mateo",
    "Valentina", "Benjamín", "Camila",    "Joaquín", "Martina", "Tomás",   "Agustina", "Santiago",
    "Julieta",   "Nicolás",  "Florencia", "Facundo", "Belén",   "Ramón",   "Inés",     "Matías",
    "Milagros",  "Gastón",   "Micaela",   "Iván",    "Ángeles", "Lautaro", "Paula",    "Sebastián",
    "Verónica",  "Andrés",   "Rocío",     "Germán",  "Noelia",  "Hernán",  "Mónica",   "Rubén",
    "Carolina",  "Óscar",    "Jazmín",    "Emilia",  "Thiago",  "Zoe",     "Begoña",   "Nahuel"};

constexpr std::array<std::string_view, 20> kCalles = {
    "Av. San Martín", "Belgrano",     "Rivadavia",  "Sarmiento",  "Mitre",
    "Güemes",         "Av. Libertad", "Moreno",     "Pueyrredón", "Las Heras",
    "Alberdi",        "Av. Colón",    "Entre Ríos", "Córdoba",    "Tucumán",
    "Jujuy",          "Av. de Mayo",  "Echeverría", "Peñaloza",   "Maipú"};

constexpr std::array<std::string_view, 44> kTitulos = {"El principito",
                                                       "Cuentos de la selva",
                                                       "Don Quijote de la Mancha",
                                                       "Martín Fierro",
                                                       "La vuelta al mundo en ochenta días",
                                                       "Historia argentina",
                                                       "Manual de matemática",
                                                       "Ciencias naturales",
                                                       "Geografía de América",
                                                       "El túnel",
                                                       "Rayuela",
                                                       "Ficciones",
                                                       "Cien años de soledad",
                                                       "La isla del tesoro",
                                                       "Mitos y leyendas del noroeste",
                                                       "Poemas para niños",
                                                       "Fábulas de Esopo",
                                                       "Biología celular",
                                                       "Física recreativa",
                                                       "Química general",
                                                       "Diccionario de la lengua española",
                                                       "Atlas universal",
                                                       "Enciclopedia escolar",
                                                       "El señor de las moscas",
                                                       "Marianela",
                                                       "Platero y yo",
                                                       "Corazón",
                                                       "Mujercitas",
                                                       "Veinte mil leguas de viaje submarino",
                                                       "Aventuras de Tom Sawyer",
                                                       "El niño con el pijama de rayas",
                                                       "Las crónicas de Narnia",
                                                       "Introducción a la filosofía",
                                                       "Educación cívica",
                                                       "Historieta argentina",
                                                       "Adivinanzas, rimas y coplas",
                                                       "Teatro para chicos",
                                                       "Informática para todos",
                                                       "Ecología y ambiente",
                                                       "Nuestro folklore",
                                                       "Economía para jóvenes",
                                                       "Psicología del adolescente",
                                                       "Astronomía para curiosos",
                                                       "El deporte en la escuela"};

constexpr std::array<std::string_view, 8> kComplementos = {
    "edición escolar", "nueva edición", "antología",   "versión ilustrada",
    "primer ciclo",    "segundo ciclo", "actividades", "guía docente"};

constexpr std::array<std::string_view, 8> kEditoriales = {"Ministerio de Educación",
                                                          "Editorial Estrada",
                                                          "Ediciones Colihue",
                                                          "Kapelusz",
                                                          "Santillana",
                                                          "Biblioteca Nacional",
                                                          "Universidad de Córdoba",
                                                          "Consejo General de Educación"};

} // namespace

std::span<const std::string_view> apellidos() {
    return kApellidos;
}
std::span<const std::string_view> nombres() {
    return kNombres;
}
std::span<const std::string_view> calles() {
    return kCalles;
}
std::span<const std::string_view> titulos() {
    return kTitulos;
}
std::span<const std::string_view> complementosDeTitulo() {
    return kComplementos;
}
std::span<const std::string_view> editoriales() {
    return kEditoriales;
}

} // namespace demo::vocabulario
