#include "statements/KeywordParam.h"

#include "platform/NumberText.h"
#include "platform/StringUtil.h"

namespace {

bool IsAllWhiteSpace(const std::string& text)
{
    for (char c : text)
        if (!IsWhiteSpace(c))
            return false;
    return true;
}

}  // namespace

bool CKeywordParam::HasNoSourceText() const { return IsAllWhiteSpace(m_strSourcePrefix) && IsAllWhiteSpace(m_strSourceValue); }

std::string CKeywordParam::GetText(ParamTextForm form) const
{
    if (form == ParamTextForm::asRead && !HasNoSourceText())
        return m_strSourcePrefix + m_strSourceValue;
    std::string value = m_strValue;
    NormalizeNumberText(value);
    return " " + m_strName + "=" + value;
}
