// Feeds arbitrary bytes to the ".mac" library reader and checks every definition it makes can be
// queried whole.
#include "platform/Archive.h"
#include "platform/UserPrompts.h"
#include "support/QuietPrompts.h"
#include "textfiles/MacroList.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QuietPrompts prompts;
    SetUserPrompts(&prompts);
    CArchive archive;
    archive.OpenLoadFromMemory(std::string(reinterpret_cast<const char*>(data), size), "fuzz.mac");
    CMacroList list;
    list.Read(archive);
    for (int i = 0; i < list.GetCount(); ++i) {
        const CMacroDef& def = list.GetDef(i);
        def.IsValid();
        for (int p = 0; p < def.GetParamCount(); ++p) {
            def.GetParamName(p);
            def.GetParamValue(p);
        }
        def.FindParamValue("var_symbol1");
        list.GetParamCountOf(def.GetMacroName());
    }
    return 0;
}
