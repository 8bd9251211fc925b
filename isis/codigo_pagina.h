#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace isis {

// The code page of one database's text. ISIS files do not record it: text is
// code page 850 (the DOS tradition the library's software keeps) unless the
// database's own text is plainly Windows-1252/Latin-1 (see detectar).
class CodigoPagina {
public:
    enum class Tipo { Cp850, Windows1252 };

    explicit CodigoPagina(Tipo tipo = Tipo::Cp850);

    // The rule, over a sample of the database's field text: bytes 0xE0-0xFF
    // are Latin-1's accented small letters (á é í ó ú ñ ...), rare in code
    // page 850 (box drawing and symbols); bytes 0x80-0xA5 are code page
    // 850's accented letters, rare in Windows-1252 text (punctuation).
    // Windows-1252 only when the first kind is frequent (at least 8 bytes)
    // and at least four times as frequent as the second; otherwise 850.
    static CodigoPagina detectar(std::string_view muestra);

    Tipo tipo() const { return tipo_; }
    std::string aUtf8(std::string_view bytes) const;
    // UTF-8 to this code page; characters it lacks become '?'.
    std::string desdeUtf8(std::string_view utf8) const;
    // The byte of a character above ASCII, or nothing when the page lacks it.
    std::optional<unsigned char> byteDe(char32_t c) const;
    // The ISIS upper-case table of this code page (a-z and the accented
    // letters to their plain capital).
    unsigned char mayuscula(unsigned char c) const { return mayusculas_[c]; }
    std::string mayusculas(std::string_view bytes) const;
    // Whether a byte is a word character for indexing by words.
    bool esLetra(unsigned char c) const;

private:
    Tipo tipo_;
    std::array<char32_t, 128> altos_{};
    std::array<unsigned char, 256> mayusculas_{};
};

} // namespace isis
