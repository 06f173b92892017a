// Merges into arbitrary text as the old lines of a ".layer" file: the text is loaded, part of it is
// marked as the lines of an included file (and of a file that one includes), the device it reads
// into is written back as the fresh statements, and the merge runs; then the merged text is merged
// into once more, as a save of a saved file does.

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
#include "textfiles/LayerFileUpdater.h"
#include "textfiles/LayerParamFlags.h"
#include "textfiles/LayerStatementReader.h"
#include "textfiles/LayerStatementWriter.h"
#include "textfiles/MacroLibrary.h"

namespace {

// Nothing of the saved file or of included files may reach the disk: every path lies in a folder
// that does not exist.
const char kFolder[] = "no-such-folder-for-fuzzing/";

CLoadContext LoadText(CKeywordLineList& lines, const std::string& text)
{
    lines.RemoveAll();
    CLoadContext context;
    CArchive archive;
    archive.OpenLoadFromMemory(text, std::string(kFolder) + "input.layer");
    lines.Serialize(archive, context);
    return context;
}

// Lines [first, first + count) become an included block, its middle line a nested one.
void MarkInclude(CKeywordLineList& lines, CLoadContext& context, unsigned first, unsigned count)
{
    for (unsigned i = first; i < first + count && i < static_cast<unsigned>(lines.GetCount()); ++i)
        lines[static_cast<int>(i)].m_nSource = (i == first + count / 2 && count > 2) ? 1001 : 501;
    context.m_Includes[501] = "include file=block.inc";
    context.m_Includes[1001] = "include file=inner.inc";
}

std::string Merge(const CKeywordLineList& old, CKeywordLineList& fresh, CMacroList& macros,
                  const CLoadContext& loaded)
{
    CLayerFileUpdater updater;
    updater.SetPath(std::string(kFolder) + "output.layer");
    updater.SetMacroList(&macros);
    updater.SetLoadContext(loaded);
    CKeywordLineList result;
    updater.Update(old, fresh, result);
    return result.StoreRawText();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QuietPrompts prompts;
    SetUserPrompts(&prompts);
    static CMacroList* macros = [] {
        FillLayerParamFlags();
        CMacroLibrary contact;
        contact.AddContactMacro();
        auto* list = new CMacroList;
        list->AddAll(contact.GetMacroList());
        return list;
    }();
    if (size < 2)
        return 0;

    std::vector<CZSegment> zsegs(1);
    CKeywordLineList lines;
    CKeywordLineList copy;
    std::vector<CVcselSection> sections;
    CLayerFileContext ctx{zsegs, 1, lines, &copy, sections, *macros};

    const std::string text(reinterpret_cast<const char*>(data) + 2, size - 2);
    CLoadContext loaded = LoadText(lines, text);
    MarkInclude(lines, loaded, data[0] % 16, data[1] % 8);
    const CKeywordLineList old = lines;
    copy = lines;
    if (CLayerStatementReader(ctx).ReadLayerStatements(0) == 0) {
        // No device: the text itself serves as the fresh statements.
        CKeywordLineList fresh = old;
        Merge(old, fresh, *macros, loaded);
        return 0;
    }
    lines.RemoveAll();
    CLayerStatementWriter(ctx).WriteLayerStatements(0);
    CKeywordLineList fresh = lines;
    const std::string saved = Merge(old, fresh, *macros, loaded);

    CKeywordLineList reopened;
    const CLoadContext reloaded = LoadText(reopened, saved);
    fresh = lines;
    Merge(reopened, fresh, *macros, reloaded);
    return 0;
}
