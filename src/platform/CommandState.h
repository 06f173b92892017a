#pragma once
// How a menu item or tool-bar button is shown: the result of a document's enabling rule, computed
// as a pure function of the document's state so the GUI can ask at any time.

#include <string>

struct CommandState {
    bool handled = false;   // the document owns the command
    bool enabled = true;
    bool hasCheck = false;  // the rule sets a check mark (checked or not)
    bool checked = false;
};

// One entry of a menu built at run time; `separator` entries have no id or text.
struct MenuItemData {
    int id = 0;
    std::string text;
    bool checked = false;
    bool separator = false;
};
