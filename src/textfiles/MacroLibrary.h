#pragma once
// The macros derived from the open ".layer" file, and the built-in contact macro.
//
// A ".layer" file may name material macros no library defines: a "layer_mater" statement's
// "macro_name" (bulk) and "active_macro" (active layer), with their variables var1..var6 /
// avar1..avar6 and, for free-style macros, the symbols var_symbol1.. / avar_symbol1... So the
// property pages can list and edit such layers, a user macro definition is derived for every such
// name when the file is opened. A free-style definition keeps its plain name, an old-style one is
// known as name + "_old_style".

#include "statements/KeywordLine.h"
#include "textfiles/MacroList.h"

#include <string>

class CMacroLibrary {
public:
    CMacroLibrary() = default;
    virtual ~CMacroLibrary() = default;

    // The application's list of known macros: a name it already defines gets no user macro.
    void SetApplicationMacros(CMacroList* appMacros) { m_pAppMacros = appMacros; }

    // Forgets the derived macros; when the path names a ".layer" file, derives that file's.
    void LoadFromLayerFile(const std::string& path);
    // Reads the file flat (no numbering, no includes) and makes a bulk and an active-layer macro
    // for every "layer_mater" statement, in statement order. A file that cannot be opened makes
    // none.
    void ReadUserMacros(const std::string& path);
    // The bulk user macro of a "layer_mater" statement, when no list defines it yet; true when made.
    bool MakeUserMacro(const CKeywordLine& statement);
    // The active-layer user macro of a "layer_mater" statement, likewise.
    bool MakeActiveLayerMacro(const CKeywordLine& statement);
    // Empties the list and adds the two built-in contact macros (old style and free style).
    void AddContactMacro();

    CMacroList& GetMacroList() { return m_macroList; }

private:
    struct MacroKind {
        const char* nameParam;    // "macro_name" or "active_macro"
        const char* symbolParam;  // "var_symbol" or "avar_symbol"
        const char* varParam;     // "var" or "avar"
        const char* usageHead;    // the usage text up to the name
    };
    bool MakeMacro(const CKeywordLine& statement, const MacroKind& kind);
    bool IsDefined(const std::string& name);

    CMacroList m_macroList;
    CMacroList* m_pAppMacros = nullptr;
};

