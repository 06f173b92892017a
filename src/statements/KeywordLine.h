#pragma once
// One keyword statement of a structure text file: a keyword followed by "name=value" parameters, or
// a "$" comment line. A statement keeps its raw text exactly as it stood in the file (blank lines
// before it and the CR LF between continued lines included) next to the parsed keyword and
// parameters: statements nobody changed are written back from the raw text byte for byte, changed
// ones are rebuilt from their parameters in a canonical wrapped form.
//
// Syntax: white space is trimmed; CR, LF and "&" read as blanks and runs of blanks collapse to one
// (TABs stay); a text beginning with "$" that does not contain "$SourceFile" is a comment whose
// keyword is the whole normalised text; otherwise the keyword is the first word (up to a blank or
// TAB) and parameters follow as name=value, a value being the next word or a group from "[", "(" or
// "{" to the first closer of the same kind (an unclosed group takes the rest and gets its closer).
// Keywords and names compare exactly (case-sensitive).
//
// Layout: rebuilt statements are wrapped to lines of 80 characters: a full line holds at most 77
// characters before " &&" and CR LF, continuation lines begin with two blanks. Statements whose
// keyword begins with "$" are never wrapped (such lines are not continued when read back).

#include "statements/KeywordParam.h"

#include <string>
#include <string_view>
#include <vector>

class CArchive;

class CKeywordLine {
public:
    // Load number from the numbered load (0 after parsing or when built in memory); a negative
    // number marks a statement the flat store leaves out (-1 "not written", 0 written again).
    int m_nLine = 0;
    // Origin: 0 the main file, include depth * 500 + include index for included text.
    int m_nSource = 0;
    // The raw text (see above), or a text rebuilt by RebuildText, WrapText or RemoveParam.
    std::string m_strText;
    // Set by SetParam, RemoveParam and RemoveParamByName; cleared by Parse. A modified statement is
    // written rebuilt by the flat store.
    int m_bModified = 0;
    // The keyword; for a comment the whole normalised comment text, "$" included; "" when empty.
    std::string m_strKeyword;
    // The parameters in text order; names may repeat.
    std::vector<CKeywordParam> m_params;

    // Parses one logical statement ("&&" continuations already joined). The text is trimmed in
    // place; m_strText becomes the trimmed text, m_nLine and m_bModified 0 (m_nSource untouched).
    // An empty text gives an empty keyword, no parameters, m_strText CR LF and false.
    bool Parse(std::string& text);
    // The same for a text that is to stay as it is.
    bool Parse(const std::string& text);
    // Parses a statement as a load reads it: logical is the joined statement, raw the text as it
    // stood in the file, which becomes m_strText (taken over, not copied: a load keeps the raw text
    // of every statement, and this spares a copy of each). Otherwise as Parse(logical).
    bool ParseAsRead(const std::string& logical, std::string&& raw);

    const std::string& GetKeyword() const { return m_strKeyword; }
    const std::string& GetText() const { return m_strText; }
    void SetText(const std::string& text) { m_strText = text; }
    bool IsComment() const { return !m_strKeyword.empty() && m_strKeyword[0] == '$'; }

    // Value of the first parameter with exactly that name; "" when there is none.
    std::string GetParam(std::string_view name) const { return ParamValue(name); }
    // The same without a copy, for readers that look up many parameters of many statements. The
    // reference stays valid until the statement's parameters change.
    const std::string& ParamValue(std::string_view name) const;
    // The value of the first parameter with exactly that name; null when there is none (an empty
    // value, which SetParam can give, is there).
    const std::string* FindParamValue(std::string_view name) const;
    // Name of the first parameter whose name contains the text; "" when none.
    std::string FindParamContaining(const std::string& text) const;
    // Index of that parameter; -1 when none.
    int IndexOfParamContaining(const std::string& text) const;
    int GetParamCount() const { return static_cast<int>(m_params.size()); }

    // overwrite: the first parameter of that name gets the value (its position and as-read text
    // stay), or a parameter is appended when there is none. Without overwrite an existing name is
    // left alone, else the parameter is appended. Sets m_bModified when something changes; the raw
    // text is not rebuilt (call RebuildText or WrapText, or let the flat store rebuild it).
    void SetParam(const std::string& name, const std::string& value, bool overwrite);
    // Removes parameter index (must be valid), rebuilds m_strText wrapped (canonical parameter texts,
    // breaks measured on the as-read texts) and sets m_bModified.
    void RemoveParam(int index);
    // Removes every parameter whose index is flagged in `remove` (sized like m_params) and rebuilds
    // the text once, as RemoveParam does; nothing when none is flagged.
    void RemoveFlaggedParams(const std::vector<bool>& remove);
    // RemoveParam of the first parameter with exactly that name; nothing when there is none.
    void RemoveParamByName(const std::string& name);
    // Replace the name or the value of the parameter at index (must be valid); nothing else changes,
    // neither the raw text nor the modified flag.
    void SetParamName(int index, const std::string& name) { m_params[static_cast<std::size_t>(index)].m_strName = name; }
    void SetParamValue(int index, const std::string& value) { m_params[static_cast<std::size_t>(index)].m_strValue = value; }

    // The parameter's text in the given form (see KeywordParam.h).
    std::string GetParamText(const CKeywordParam& param, ParamTextForm form) const { return param.GetText(form); }
    // m_strText := keyword followed by every parameter's text in that form, on one line.
    void RebuildText(ParamTextForm form);
    // m_strText := keyword and the as-read parameter texts, wrapped. Reproduces the normalised
    // statement when no line is too long. m_bModified unchanged.
    void WrapText();
    // Appends the parameter and sets m_strText to what WrapText then gives. A text that already is
    // the wrapped form of the parameters on one line is extended rather than built again (the
    // updater adds a doping to every material statement it writes). asReadText is the parameter's
    // GetText(ParamTextForm::asRead), made by the caller, who adds one parameter to many
    // statements. m_bModified unchanged.
    void AppendParamWrapped(CKeywordParam param, const std::string& asReadText);
    // The keyword followed by " name=value" per parameter (current values, not normalised).
    std::string FormatParams() const;

    // The canonical wrapped form, each physical line ended by CR LF ("" for an empty keyword).
    std::string CanonicalLines() const;
    // Writes CanonicalLines() to a storing archive; nothing for an empty keyword.
    void Write(CArchive& archive) const;

private:
    // m_strText rebuilt wrapped from the parameters left after a removal; m_bModified set.
    void RebuildAfterRemoval();
    // Parse of a text already trimmed of white space at both ends; m_strText becomes that text, or
    // raw when it is given (moved from).
    bool ParseTrimmed(const char* text, std::size_t size, std::string* raw = nullptr);
};

// The characters from the first non-white character up to the first blank or TAB; false when the
// text is empty after skipping leading white space.
bool GetFirstWord(const std::string& text, std::string& word);
