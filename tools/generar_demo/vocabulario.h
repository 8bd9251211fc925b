#pragma once

#include <span>
#include <string_view>

// The words the demo databases are made of: Spanish names, streets, titles,
// and the classification vocabulary the reports filter by.
namespace vocabulario {

std::span<const std::string_view> apellidos();
std::span<const std::string_view> nombres();
std::span<const std::string_view> calles();
std::span<const std::string_view> titulos();
std::span<const std::string_view> complementosDeTitulo();
std::span<const std::string_view> editoriales(); // corporate authors
// The 60 subjects, exactly as the subject filter lists them.
std::span<const std::string_view> tematicas();
// The member types after "Todos", exactly as the member-type filter lists them.
std::span<const std::string_view> tiposDeUsuario();

} // namespace vocabulario
