#pragma once
// One data exchange between a page's members and its controls, in either direction. A page writes
// its exchange once (DoDataExchange) as a list of Text and range calls; showing runs it towards the
// controls, reading runs it from the controls and checks every value on the way.
//
// Reading stops at the first refused value: its message is shown, the focus goes to its control
// and every later call of the same exchange does nothing. The messages are the ones the program
// always showed for a bad number ("Please enter a number.", "Please enter a number between 1e-005
// and 1000.").
//
// Numbers are shown as "%.6g" (float), "%.15g" (double) and "%d" (int), independent of the locale.

#include <string>

class IDialogControls;

class CDataExchange {
public:
    CDataExchange(IDialogControls& controls, bool saveAndValidate);

    // True: controls to members with checks; false: members to controls.
    bool IsSaving() const { return m_bSaveAndValidate; }
    // A value was refused (reading only).
    bool Failed() const { return m_bFailed; }

    void Text(int id, float& value);
    void Text(int id, double& value);
    void Text(int id, int& value);
    void Text(int id, std::string& value);
    // A group of radio buttons with consecutive ids from firstId: value is the index of the one
    // checked, -1 for none. A button's control text is "1" when it is checked, "0" when not.
    void Radio(int firstId, int count, int& value);

    // Range checks of the value exchanged last; they check only while reading.
    void MinMaxFloat(float value, float minValue, float maxValue);
    void MinMaxDouble(double value, double minValue, double maxValue);
    void MinMaxInt(int value, int minValue, int maxValue);
    // Length check of the text exchanged last (reading only).
    void MaxChars(const std::string& value, int maxChars);

    static std::string FloatText(float value);
    static std::string DoubleText(double value);
    // Reads a whole text as one number (blanks around it allowed); false when it is not one.
    static bool ReadReal(const std::string& text, double& value);
    static bool ReadInt(const std::string& text, int& value);

private:
    bool Reading(int id);
    template <typename Real>
    void TextReal(int id, Real& value, std::string (*format)(Real));
    void Fail(const std::string& message, unsigned type);
    void FailRange(const std::string& minText, const std::string& maxText, const char* kind);

    IDialogControls& m_controls;
    bool m_bSaveAndValidate;
    bool m_bFailed = false;
    int m_nLastId = 0;
};
