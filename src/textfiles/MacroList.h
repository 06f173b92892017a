#pragma once
// A macro library with an iteration cursor and lookups by macro name: the application's list of
// known macros, and the list of macros derived from the open ".layer" file. Every lookup restarts
// the cursor.

#include "textfiles/MacroLib.h"

#include <string>

class CMacroList : public CMacroLib {
public:
    // Copies out the definition at the cursor and advances it; false past the end.
    bool GetNext(CMacroDef& def);
    // The first definition whose name (token 3) equals the name exactly; the cursor stays behind it.
    bool Find(const std::string& name, CMacroDef& def);
    // The same definition without copying it out; null when there is none. Valid until the list
    // changes.
    const CMacroDef* FindDefinition(const std::string& name);
    // Parameter count of the named macro; 0 when the list has none.
    int GetParamCountOf(const std::string& name);
    // Appends a copy of each of the other list's definitions, in order.
    void AddAll(CMacroList& other);
    // Removes as many definitions from the end as the other list holds.
    void RemoveLast(const CMacroList& other);
    // Reads the list's own file again, appending.
    void Reload() { Load(); }

    void ResetCursor() { m_nCursor = 0; }

private:
    int m_nCursor = 0;
};
