#include "sheets/GridExchangeText.h"

namespace {

bool IsSeparator(char c) { return c == '\t' || c == ',' || c == '\n'; }

bool IsWhite(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string Trimmed(const std::string& s)
{
    size_t first = 0, last = s.size();
    while (first < last && IsWhite(s[first]))
        ++first;
    while (last > first && IsWhite(s[last - 1]))
        --last;
    return s.substr(first, last - first);
}

std::vector<std::string> CellsOfLine(const std::string& line)
{
    std::vector<std::string> cells;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsSeparator(line[i]))
            ++i;
        if (i == line.size())
            break;
        const size_t start = i;
        while (i < line.size() && !IsSeparator(line[i]))
            ++i;
        cells.push_back(Trimmed(line.substr(start, i - start)));
    }
    return cells;
}

}  // namespace

std::vector<std::vector<std::string>> CGridExchangeText::Read(const std::string& data)
{
    const std::string text = data.substr(0, data.find('\0'));
    std::vector<std::vector<std::string>> lines;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (line.empty() && end != std::string::npos)
            line = " ";
        lines.push_back(CellsOfLine(line));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return lines;
}

std::string CGridExchangeText::WriteRow(const std::vector<const std::string*>& cells)
{
    std::string line;
    for (size_t c = 0; c < cells.size(); ++c) {
        if (c > 0)
            line += '\t';
        if (cells[c])
            line += cells[c]->empty() ? std::string(" ") : *cells[c];
    }
    return line;
}
