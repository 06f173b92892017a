#include "statements/KeywordParam.h"

#include "platform/NumberText.h"
#include "platform/StringUtil.h"

bool CKeywordParam::HasNoSourceText() const { return Trim(m_strSourcePrefix + m_strSourceValue).empty(); }

std::string CKeywordParam::GetText(ParamTextForm form) const
{
    if (form == ParamTextForm::asRead && !HasNoSourceText())
        return m_strSourcePrefix + m_strSourceValue;
    std::string value = m_strValue;
    NormalizeNumberText(value);
    return " " + m_strName + "=" + value;
}
