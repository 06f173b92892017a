#include "sheets/DataExchange.h"

#include "platform/NumberText.h"
#include "platform/StringUtil.h"
#include "platform/TextRoutines.h"
#include "platform/UserPrompts.h"
#include "sheets/DialogControls.h"

#include <climits>

namespace {

const char kEnterNumber[] = "Please enter a number.";
const char kEnterInteger[] = "Please enter an integer.";

}  // namespace

CDataExchange::CDataExchange(IDialogControls& controls, bool saveAndValidate)
    : m_controls(controls), m_bSaveAndValidate(saveAndValidate)
{
}

bool CDataExchange::Reading(int id)
{
    m_nLastId = id;
    return m_bSaveAndValidate;
}

void CDataExchange::Fail(const std::string& message, unsigned type)
{
    AfxMessageBox(message, type);
    m_controls.FocusControl(m_nLastId);
    m_bFailed = true;
}

void CDataExchange::FailRange(const std::string& minText, const std::string& maxText, const char* kind)
{
    Fail(std::string("Please enter ") + kind + " between " + minText + " and " + maxText + ".",
         MB_ICONEXCLAMATION);
}

template <typename Real>
void CDataExchange::TextReal(int id, Real& value, std::string (*format)(Real))
{
    if (m_bFailed)
        return;
    if (!Reading(id)) {
        m_controls.SetControlText(id, format(value));
        return;
    }
    double read = 0.0;
    if (!ReadReal(m_controls.GetControlText(id), read))
        return Fail(kEnterNumber, MB_ICONEXCLAMATION);
    value = static_cast<Real>(read);
}

void CDataExchange::Text(int id, float& value) { TextReal(id, value, &FloatText); }

void CDataExchange::Text(int id, double& value) { TextReal(id, value, &DoubleText); }

void CDataExchange::Text(int id, int& value)
{
    if (m_bFailed)
        return;
    if (!Reading(id)) {
        m_controls.SetControlText(id, StrFormat("%d", value));
        return;
    }
    int read = 0;
    if (!ReadInt(m_controls.GetControlText(id), read))
        return Fail(kEnterInteger, MB_ICONEXCLAMATION);
    value = read;
}

void CDataExchange::Text(int id, std::string& value)
{
    if (m_bFailed)
        return;
    if (!Reading(id))
        m_controls.SetControlText(id, value);
    else
        value = m_controls.GetControlText(id);
}

void CDataExchange::Radio(int firstId, int count, int& value)
{
    if (m_bFailed)
        return;
    if (!Reading(firstId)) {
        for (int i = 0; i < count; ++i)
            m_controls.SetControlText(firstId + i, i == value ? "1" : "0");
        return;
    }
    value = -1;
    for (int i = 0; i < count && value < 0; ++i)
        if (m_controls.GetControlText(firstId + i) == "1")
            value = i;
}

void CDataExchange::MinMaxFloat(float value, float minValue, float maxValue)
{
    if (m_bFailed || !m_bSaveAndValidate || (value >= minValue && value <= maxValue))
        return;
    FailRange(FloatText(minValue), FloatText(maxValue), "a number");
}

void CDataExchange::MinMaxDouble(double value, double minValue, double maxValue)
{
    if (m_bFailed || !m_bSaveAndValidate || (value >= minValue && value <= maxValue))
        return;
    FailRange(DoubleText(minValue), DoubleText(maxValue), "a number");
}

void CDataExchange::MinMaxInt(int value, int minValue, int maxValue)
{
    if (m_bFailed || !m_bSaveAndValidate || (value >= minValue && value <= maxValue))
        return;
    FailRange(StrFormat("%d", minValue), StrFormat("%d", maxValue), "an integer");
}

void CDataExchange::MaxChars(const std::string& value, int maxChars)
{
    if (m_bFailed || !m_bSaveAndValidate || static_cast<int>(value.size()) <= maxChars)
        return;
    Fail(StrFormat("Please enter no more than %d characters.", maxChars), MB_ICONEXCLAMATION);
}

std::string CDataExchange::FloatText(float value) { return StrFormat("%.6g", static_cast<double>(value)); }

std::string CDataExchange::DoubleText(double value) { return StrFormat("%.15g", value); }

bool CDataExchange::ReadReal(const std::string& text, double& value) { return ParseDoubleStrict(text, value); }

bool CDataExchange::ReadInt(const std::string& text, int& value)
{
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const size_t digitsStart = i;
    long long number = 0;
    while (i < text.size() && IsDigit(text[i])) {
        number = number * 10 + (text[i++] - '0');
        if (number > static_cast<long long>(INT_MAX) + 1)
            return false;
    }
    if (i == digitsStart)
        return false;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i != text.size())
        return false;
    number = negative ? -number : number;
    if (number > INT_MAX || number < INT_MIN)
        return false;
    value = static_cast<int>(number);
    return true;
}
