#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace core {

// Command-line options of the headless command: "--name value" options,
// "--name" flags and positional words. Unknown options are errors.
class Argumentos {
public:
    // `conValor` names the options that take a value, `banderas` those that do not.
    Argumentos(const std::vector<std::string>& palabras, const std::set<std::string>& conValor,
               const std::set<std::string>& banderas);

    std::optional<std::string> valor(const std::string& nombre) const;
    bool bandera(const std::string& nombre) const { return banderas_.count(nombre) > 0; }
    const std::vector<std::string>& posicionales() const { return posicionales_; }

private:
    std::map<std::string, std::string> valores_;
    std::set<std::string> banderas_;
    std::vector<std::string> posicionales_;
};

} // namespace core
