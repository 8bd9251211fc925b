#pragma once

#include <span>
#include <string_view>

// The words the demo databases are made of: Spanish names, streets, titles.
// Member types and subjects come from the reports' own lists.
namespace demo::vocabulario {

std::span<const std::string_view> apellidos();
std::span<const std::string_view> nombres();
std::span<const std::string_view> calles();
std::span<const std::string_view> titulos();
std::span<const std::string_view> complementosDeTitulo();
std::span<const std::string_view> editoriales(); // corporate authors

} // namespace demo::vocabulario
