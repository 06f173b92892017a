// Fuzz driver for statement parsing and statement-list loading and storing.
// The first input byte picks the file name (a ".layer" or a ".mac" file, which continues "$" lines);
// the rest is the file. Included files are looked for in a folder that does not exist, so every
// include fails the way a missing file does.
//
// Besides crashes it checks one property the writer relies on: a statement written in canonical
// form reads back as exactly one statement with the same keyword, names and (normalised) values,
// up to white space at their ends (a line is trimmed when it is read).

#include "platform/Archive.h"
#include "platform/NumberText.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"
#include "support/QuietPrompts.h"
#include "statements/KeywordLineList.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckCanonicalReadsBack(const CKeywordLine& line)
{
    if (line.m_strKeyword.empty() || line.m_strKeyword.size() > 80)
        return;  // over-long keywords are cut by the file format itself
    if (line.IsComment() && !line.m_params.empty())
        return;  // a "$SourceFile" statement loses that word when its parameters are rebuilt
    for (const CKeywordParam& param : line.m_params)
        if (Trim(param.m_strValue).empty())
            return;  // a value of vertical tabs or form feeds is trimmed away when read back
    CArchive in;
    in.OpenLoadFromMemory(line.CanonicalLines(), "check.layer");
    std::string logical, raw;
    Check(CKeywordLineList::ReadNextStatement(in, logical, raw));
    std::string rest;
    Check(!CKeywordLineList::ReadNextStatement(in, rest, raw));
    CKeywordLine again;
    again.Parse(logical);
    Check(TrimRight(again.m_strKeyword) == TrimRight(line.m_strKeyword));
    Check(again.m_params.size() == line.m_params.size());
    for (std::size_t i = 0; i < line.m_params.size(); ++i) {
        std::string value = line.m_params[i].m_strValue;
        NormalizeNumberText(value);
        Check(again.m_params[i].m_strName == line.m_params[i].m_strName);
        Check(Trim(again.m_params[i].m_strValue) == Trim(value));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QuietPrompts prompts;
    SetUserPrompts(&prompts);
    if (size == 0)
        return 0;
    const std::string name = (data[0] & 1) ? "/nonexistent-fuzz-folder/lib.mac" : "/nonexistent-fuzz-folder/dev.layer";
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    CKeywordLineList flat;
    CArchive in;
    in.OpenLoadFromMemory(bytes, name);
    flat.SerializeFlat(in);
    for (CKeywordLine& line : flat.m_lines) {
        CheckCanonicalReadsBack(line);
        CKeywordLine wrapped = line;
        wrapped.WrapText();
        if (!wrapped.m_params.empty()) {
            wrapped.SetParam(wrapped.m_params.front().m_strName, "1.500e+003", true);
            wrapped.RemoveParam(static_cast<int>(wrapped.m_params.size()) - 1);
        }
        wrapped.FormatParams();
    }
    flat.StoreFlatText();
    flat.StoreRawText();
    int position = 0;
    flat.FindLine("layer_mater", position, 1);
    flat.GetZSegmentCount();
    flat.GetHeaderComment();

    CLoadContext context;
    CKeywordLineList numbered;
    CArchive again;
    again.OpenLoadFromMemory(bytes, name);
    if (numbered.Serialize(again, context))
        numbered.StoreRawText();
    else
        Check(numbered.IsEmpty());

    CArchive lines;
    lines.OpenLoadFromMemory(bytes, name);
    std::string text;
    while (CKeywordLineList::ReadLogicalLine(lines, text))
        NormalizeNumberText(text);
    return 0;
}
