#include "spreadsheet/CellText.h"

namespace {

// Code page 1252's characters 0x80..0x9F; 0 where the code page has none.
constexpr unsigned kCp1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

bool IsXmlControl(unsigned char c) { return c < 0x20 && c != '\t' && c != '\n' && c != '\r'; }

}  // namespace

bool IsValidUtf8(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        int follow = 0;
        unsigned code = 0, least = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            follow = 1, code = lead & 0x1F, least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            follow = 2, code = lead & 0x0F, least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            follow = 3, code = lead & 0x07, least = 0x10000;
        } else {
            return false;
        }
        for (int k = 1; k <= follow; ++k) {
            if (i + k >= text.size())
                return false;
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += static_cast<std::size_t>(follow) + 1;
    }
    return true;
}

std::string ToCellText(const std::string& bytes)
{
    std::string out;
    if (IsValidUtf8(bytes)) {
        out = bytes;
    } else {
        out.reserve(bytes.size() + bytes.size() / 4);
        for (unsigned char c : bytes) {
            if (c < 0x80)
                out += static_cast<char>(c);
            else if (c < 0xA0)
                AppendUtf8(out, kCp1252High[c - 0x80] ? kCp1252High[c - 0x80] : 0xFFFD);
            else
                AppendUtf8(out, c);
        }
    }
    for (char& c : out)
        if (IsXmlControl(static_cast<unsigned char>(c)))
            c = ' ';
    return out;
}

std::size_t CountUtf8Characters(const std::string& text)
{
    std::size_t count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++count;
    return count;
}

std::string CutUtf8(const std::string& text, std::size_t characters)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (count == characters)
                return text.substr(0, i);
            ++count;
        }
    }
    return text;
}

void AppendUtf8(std::string& out, unsigned code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}
