#pragma once
// One parameter of a keyword statement: "name=value". Besides the current value it keeps the text
// it was read from, so that an unchanged statement can be laid out again exactly as it stood.

#include <string>

// The two text forms of a parameter (and of a rebuilt statement).
enum class ParamTextForm {
    asRead = 0,     // the source prefix and value as read; the canonical form for a parameter without them
    canonical = 1,  // " name=value" with the value's number text made compact (NormalizeNumberText)
};

class CKeywordParam {
public:
    std::string m_strName;          // trimmed of white space
    std::string m_strValue;         // the current value
    std::string m_strSourcePrefix;  // as read: separator, name, "=" and blanks up to the value (" d = ")
    std::string m_strSourceValue;   // as read: the value

    CKeywordParam() = default;
    CKeywordParam(std::string name, std::string value) : m_strName(std::move(name)), m_strValue(std::move(value)) {}

    // The text in the given form. The canonical form always begins with a blank.
    std::string GetText(ParamTextForm form) const;
    int GetTextLength(ParamTextForm form) const { return static_cast<int>(GetText(form).size()); }
    // True when the parameter was appended by SetParam (no text as read).
    bool HasNoSourceText() const;
};
