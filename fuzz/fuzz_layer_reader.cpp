// Reads arbitrary text as a ".layer" file: the numbered load, the reader into two z-segments (the
// second links to the first), then the writer and a second read of what it wrote.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/ZSegment.h"
#include "platform/Archive.h"
#include "platform/UserPrompts.h"
#include "support/QuietPrompts.h"
#include "statements/KeywordLineList.h"
#include "textfiles/LayerFileContext.h"
#include "textfiles/LayerStatementReader.h"
#include "textfiles/LayerStatementWriter.h"
#include "textfiles/MacroLibrary.h"

namespace {

void LoadText(CKeywordLineList& lines, const std::string& text)
{
    lines.RemoveAll();
    CLoadContext context;
    CArchive archive;
    // A folder that does not exist: an include statement finds nothing to read.
    archive.OpenLoadFromMemory(text, "no-such-folder-for-fuzzing/input.layer");
    lines.Serialize(archive, context);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QuietPrompts prompts;
    SetUserPrompts(&prompts);
    static CMacroList* macros = [] {
        CMacroLibrary contact;
        contact.AddContactMacro();
        auto* list = new CMacroList;
        list->AddAll(contact.GetMacroList());
        return list;
    }();

    std::vector<CZSegment> zsegs(2);
    CKeywordLineList lines;
    CKeywordLineList copy;
    std::vector<CVcselSection> sections;
    CLayerFileContext ctx{zsegs, 2, lines, &copy, sections, *macros};

    const std::string text(reinterpret_cast<const char*>(data), size);
    LoadText(lines, text);
    copy = lines;
    CLayerStatementReader(ctx).ReadLayerStatements(0);
    LoadText(lines, text);
    if (CLayerStatementReader(ctx).ReadLayerStatements(1) == 0) return 0;

    lines.RemoveAll();
    CLayerStatementWriter(ctx).WriteLayerStatements(1);
    for (CKeywordLine& line : lines.m_lines) {
        line.RebuildText(ParamTextForm::canonical);
        line.WrapText();
    }
    LoadText(lines, lines.StoreRawText());
    CLayerStatementReader(ctx).ReadLayerStatements(0);
    return 0;
}
