#pragma once

#include <string>

namespace exportacion {

// A loan not returned whose due date is before today: the condition of the
// M* and D* statements.
std::string CondicionVencidos();

// The statements of the XML export, each built from fixed pieces in a fixed
// order around the export filter (empty, or conditions on fecha_presta that
// end with a blank). L* rank borrowed books, M* books of overdue loans, U*
// members, D* members with overdue loans. A level-grade pair selects the
// loans whose grado begins with the level digit, a point and the grade digit.
// Subjects and member types come from an outer list and have their
// apostrophes doubled, so no stored value can break a nested statement.
class SentenciasExportacion {
public:
    explicit SentenciasExportacion(std::string filtro) : filtro_(std::move(filtro)) {}

    std::string L1() const;
    std::string L2(int nivel, int grado) const;
    std::string L3() const;
    std::string L4() const;
    std::string L5(const std::string& tematica) const;
    std::string L6(int nivel, int grado) const;
    std::string L7() const;
    std::string L8(const std::string& tipo) const;

    std::string M1() const;
    std::string M2(int nivel, int grado) const;
    std::string M4() const;
    std::string M5(const std::string& tematica) const;
    std::string M6(int nivel, int grado) const;
    std::string M7() const;
    std::string M8(const std::string& tipo) const;

    std::string U1() const;
    std::string U2(int nivel, int grado) const;
    std::string U7() const;
    std::string U8(const std::string& tipo) const;
    std::string U9(const std::string& tipo) const;

    std::string D1() const;
    std::string D2(int nivel, int grado) const;
    std::string D7() const;
    std::string D8(const std::string& tipo) const;

private:
    // "WHERE ", "AND " or " AND " followed by the filter; empty without a filter.
    std::string filtroCon(const char* conector) const;

    std::string filtro_;
};

} // namespace exportacion
