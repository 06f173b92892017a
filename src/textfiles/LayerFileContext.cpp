#include "textfiles/LayerFileContext.h"

CKeywordLine NewStatement(const std::string& keyword)
{
    CKeywordLine line;
    std::string text = keyword;
    line.Parse(text);
    line.SetText(std::string());
    return line;
}

void AppendParam(CKeywordLine& line, const std::string& name, const std::string& value)
{
    line.SetParam(name, value, true);
}
