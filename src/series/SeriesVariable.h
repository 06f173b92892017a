#pragma once
// One quantity of the device that a model-based series sweeps ("width", "height", or a model value
// the variable is bound to), with its range, the values it takes and the rule that applies one
// value to the document. The series table holds the variables of one series and applies value i
// of every variable at point i.

#include <string>
#include <vector>

class CTessaronDoc;

class CSeriesVariable {
public:
    CSeriesVariable() = default;
    CSeriesVariable(const CSeriesVariable&) = default;
    CSeriesVariable& operator=(const CSeriesVariable&) = default;
    virtual ~CSeriesVariable() = default;

    std::vector<double> m_Values;  // built on first use
    double m_dInitial = 0.0;
    double m_dFinal = 0.0;
    double m_dStep = 0.0;
    double* m_pBound = nullptr;    // the model value a variable of another kind writes
    double m_dCurrent = 0.0;       // the value the model had when the variable was made
    int m_nZSeg = -1;              // counted from 0
    int m_nColumn = -1;
    int m_nRow = -1;

    void SetName(std::string name) { m_strName = std::move(name); }
    void SetLabel(std::string label) { m_strLabel = std::move(label); }
    std::string GetName() const { return m_strName; }
    std::string GetLabel() const { return m_strLabel; }

    // The value list from initial, final and step (CSeriesValueList); a range of one point
    // (initial equal to final) is that one value. Empty when the range is refused.
    void BuildValues();
    // Applies value i, building the list first when it is empty; an index outside the list does
    // nothing.
    void ApplyValueAt(CTessaronDoc& doc, int i);
    void ApplyCurrent(CTessaronDoc& doc) { ApplyValue(doc, m_dCurrent); }
    // "height" and "width" change the addressed layer through the document; any other name writes
    // the bound value.
    void ApplyValue(CTessaronDoc& doc, double value);

private:
    std::string m_strName;
    std::string m_strLabel;
};
