#include "support/ShippedMacros.h"

std::string ShippedDataFolder() { return TESSARON_FIXTURES "/../../data/"; }

CMacroList LoadShippedMacroLibraries()
{
    CMacroList macros;
    macros.SetPath(ShippedDataFolder() + "veltrane.mac");
    macros.Reload();
    CMacroList more;
    more.SetPath(ShippedDataFolder() + "more.mac");
    more.Reload();
    macros.AddAll(more);
    return macros;
}
