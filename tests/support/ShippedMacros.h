#pragma once
// The two macro libraries the program ships in data/, loaded in start-up order ("veltrane.mac",
// then "more.mac") into one list.

#include "textfiles/MacroList.h"

#include <string>

// The data/ folder of the source tree, ending with "/".
std::string ShippedDataFolder();

CMacroList LoadShippedMacroLibraries();
