#pragma once
// One ".mac" macro library: the path of its file and the macro definitions read from it, in file
// order. The same definition building serves usage texts made elsewhere (the user macros of the
// open ".layer" file and the built-in contact macro). Loading appends; nothing here clears.

#include "textfiles/MacroDef.h"

class CArchive;

#include <cstdint>
#include <string>
#include <vector>

class CMacroLib {
public:
    CMacroLib() = default;
    virtual ~CMacroLib() = default;

    const std::string& GetPath() const { return m_strPath; }
    void SetPath(const std::string& path) { m_strPath = path; }

    int GetCount() const { return static_cast<int>(m_defs.size()); }
    const CMacroDef& GetDef(int i) const { return m_defs[i]; }
    void RemoveAll()
    {
        m_defs.clear();
        MarkChanged();
    }
    // A number that every change of the definitions replaces with one no library has had before:
    // two libraries with the same number hold the same definitions (a copy keeps the number of
    // what it copied). A save that depends on the definitions asks it to know whether they changed.
    std::uint64_t GetGeneration() const { return m_nGeneration; }

    // Reads the file at the path; when it is missing, offers to search for it.
    void Load();
    // Reads a library's text: the header, then comment blocks and macro blocks up to the end.
    void Read(CArchive& archive);

    // Builds a definition from a usage text and its comment and appends it.
    void ParseMacroText(const std::string& usage, const std::string& comment);
    // Reads one macro block after its begin line and appends its definition.
    void ParseMacroBlock(CArchive& archive, const std::string& comment, bool activeLayer);
    // Reads past the file header: up to the first comment frame line and the next one.
    void SkipHeaderBlock(CArchive& archive);

    static void AddParamName(std::string name, std::vector<std::string>& names, bool freeStyle);
    static bool IsKeptMacroParam(const std::string& name, bool freeStyle);
    static bool IsCommentFrameLine(const std::string& line);

protected:
    // To be called after every change of m_defs.
    void MarkChanged();

    std::string m_strPath;
    std::vector<CMacroDef> m_defs;

private:
    std::uint64_t m_nGeneration = 0;  // 0: the empty library as constructed

    bool OfferSearchFor();
    static bool ReadCommentBlock(CArchive& archive, std::string& line, std::string& comment);
    static void AddFunctionParams(const std::string& line, std::vector<std::string>& names,
                                  bool freeStyle);
    static std::string MakeUsageText(const std::string& name, const std::vector<std::string>& names,
                                     bool freeStyle, bool activeLayer);
};
