#pragma once
// One material macro as the rest of the program sees it: a usage text in keyword-statement form
// ("$  load_macro name=algaas mater=#m var1=#x var2=#y"), the tokens cut from it, the comment that
// stood above it in its library file, and the parameter tokens the property pages show.
//
// Token layout after the clean-up: token 0 the keyword ("load_macro" or "get_active_layer"),
// token 1 "name", token 2 "=", token 3 the macro name, then triples of parameter name, "=", value.
// Parameter i has its name at 3i + 4 and its value at 3i + 6.

#include <string>
#include <vector>

// The one-character texts that Tokenize cuts out as tokens of their own.
extern const char* const g_specialChars[];
extern const int g_nSpecialChars;  // 28

class CMacroDef {
public:
    CMacroDef() = default;
    explicit CMacroDef(const std::string& usage);

    const std::string& GetUsage() const { return m_strUsage; }
    std::string GetKeyword() const { return GetToken(0); }
    const std::string& GetMacroName() const { return GetToken(3); }

    const std::string& GetComment() const { return m_strComment; }
    void SetComment(const std::string& comment) { m_strComment = comment; }

    int GetTokenCount() const { return static_cast<int>(m_tokens.size()); }
    const std::string& GetToken(int i) const;
    int GetParamEntryCount() const { return static_cast<int>(m_params.size()); }
    const std::string& GetParamEntry(int i) const;

    // (entries of the parameter array - 1) / 3 - 1: -1 for an empty definition.
    int GetParamCount() const;
    std::string GetParamName(int i) const { return GetParamEntry(3 * i + 4); }
    std::string GetParamValue(int i) const { return GetParamEntry(3 * i + 6); }
    std::string GetTokenParamName(int i) const { return GetToken(3 * i + 4); }
    std::string GetParamToken(int i) const { return GetToken(3 * i + 6); }
    // Value token of the first parameter so named, searched in the tokens (symbols included).
    std::string FindParamValue(const std::string& name) const;

    // Cuts the usage text into tokens; returns the token count.
    int Tokenize(const char* const* table, int count);
    void RemoveToken(const std::string& text);
    // Removes every run of three tokens a, c, b.
    void RemoveTriple(const std::string& a, const std::string& b, const std::string& c);
    // Fills the parameter array and gives an old-style macro its "_old_style" name.
    void Normalize();
    void SetName(const std::string& name);
    bool IsValid() const;

    static bool IsSpecialChar(const char* const* table, int count, const std::string& text);

private:
    static int TripleCount(int entries) { return (entries - 1) / 3 - 1; }
    void RemoveSymbolTriples();
    void RemoveTemperatureParam(const std::string& symbolName);

    std::string m_strUsage;
    std::vector<std::string> m_tokens;
    std::string m_strComment;
    std::vector<std::string> m_params;
};
