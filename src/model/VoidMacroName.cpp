#include "model/VoidMacroName.h"

#include "platform/StringUtil.h"

void ToVoidMacroName(std::string& name)
{
    if (name.size() <= 1)
        return;
    if (StartsWith(name, "void") && !StartsWith(name, "void macro"))
        name.replace(0, 4, "void macro");
}

void FromVoidMacroName(std::string& name)
{
    if (name.size() <= 1)
        return;
    if (StartsWith(name, "void macro"))
        name.replace(0, 10, "void");
}

bool IsVoidMacroName(const std::string& name)
{
    return name.size() <= 1 || StartsWith(name, "void");
}
