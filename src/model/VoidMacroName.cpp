#include "model/VoidMacroName.h"

#include "platform/StringUtil.h"

void ToVoidMacroName(std::string& name)
{
    if (name.size() <= 1)
        return;
    if (StartsWith(name, "void") && !StartsWith(name, "void macro"))
        name = "void macro" + name.substr(4);
}

void FromVoidMacroName(std::string& name)
{
    if (name.size() <= 1)
        return;
    if (StartsWith(name, "void macro"))
        name = "void" + name.substr(10);
}

bool IsVoidMacroName(const std::string& name)
{
    return name.size() <= 1 || StartsWith(name, "void");
}
