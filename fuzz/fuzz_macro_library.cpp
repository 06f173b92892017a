// Feeds arbitrary bytes to the ".mac" library reader and checks every definition it makes can be
// queried whole.
#include "textfiles/MacroList.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    CMacroList list;
    list.Read(in);
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
