#include "series/ModelSeriesTable.h"

#include "document/TessaronDoc.h"
#include "platform/NumberText.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"
#include "series/SeriesDocumentGuard.h"
#include "series/SeriesPointSave.h"
#include "series/SeriesProject.h"
#include "series/SeriesValueList.h"

#include <algorithm>

const char* const CModelSeriesTable::kColumnHeadings[kListColumns] = {"variable", "initial", "final", "describe"};

void CModelSeriesTable::ExchangeItems(bool save)
{
    if (!save) {
        m_Rows.clear();
        for (const CSeriesVariable& variable : m_Variables)
            m_Rows.push_back({variable.m_dInitial, variable.m_dFinal});
        return;
    }
    for (std::size_t i = 0; i < m_Variables.size() && i < m_Rows.size(); ++i) {
        CSeriesVariable& variable = m_Variables[i];
        variable.m_dInitial = m_Rows[i].initial;
        variable.m_dFinal = m_Rows[i].final;
        if (m_nValueCount == 1) {
            variable.m_dFinal = variable.m_dInitial;
            variable.m_dStep = variable.m_dInitial;
        } else {
            variable.m_dStep = (variable.m_dFinal - variable.m_dInitial) / (m_nValueCount - 1);
        }
        variable.m_Values.clear();  // built again from the new range
    }
}

std::string CModelSeriesTable::GetItemText(int row, int column) const
{
    if (row < 0 || row >= GetRowCount() || row >= static_cast<int>(m_Variables.size()))
        return std::string();
    const std::size_t i = static_cast<std::size_t>(row);
    switch (column) {
    case 0: return m_Variables[i].GetName();
    case 1: return StrFormat("%g", m_Rows[i].initial);
    case 2: return StrFormat("%g", m_Rows[i].final);
    case 3: return m_Variables[i].GetLabel();
    default: return std::string();
    }
}

bool CModelSeriesTable::IsNewSeriesVariable(const CSeriesVariable& variable) const
{
    if (m_Variables.empty())
        return true;
    const std::string first = m_Variables.front().GetName();
    const std::string name = variable.GetName();
    const auto boundAlready = [&]() {
        return std::any_of(m_Variables.begin(), m_Variables.end(), [&](const CSeriesVariable& v) {
            return v.m_pBound == variable.m_pBound;
        });
    };
    if (first == "width" || first == "height") {
        if (name != "width" && name != "height")
            return false;
        return std::none_of(m_Variables.begin(), m_Variables.end(), [&](const CSeriesVariable& v) {
            return v.GetLabel() == variable.GetLabel() && v.GetName() == name;
        });
    }
    if (first == "concentration")
        return name != "concentration" || !boundAlready();
    if (first.compare(0, 5, "point") == 0)
        return name.compare(0, 5, "point") == 0 && !boundAlready();
    return false;
}

void CModelSeriesTable::AddVariable(const CSeriesVariable& variable, std::time_t now)
{
    m_Variables.push_back(variable);
    ExchangeItems(false);
    StampSeriesName(now);
}

void CModelSeriesTable::SetRowRange(int row, double initial, double final)
{
    if (row < 0 || row >= GetRowCount())
        return;
    m_Rows[static_cast<std::size_t>(row)] = {initial, final};
}

void CModelSeriesTable::DeleteRow(int row)
{
    if (row < 0 || row >= GetRowCount())
        return;
    m_Rows.erase(m_Rows.begin() + row);
    if (row < static_cast<int>(m_Variables.size()))
        m_Variables.erase(m_Variables.begin() + row);
}

std::string CModelSeriesTable::MakeSeriesName(const CSeriesVariable& variable, std::time_t now)
{
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32] = {};
    std::strftime(stamp, sizeof stamp, "%m%d%Y_%H%M%S", &local);
    return StrFormat("%s_%g_%g_%s", variable.GetName().c_str(), variable.m_dInitial, variable.m_dFinal, stamp);
}

void CModelSeriesTable::StampSeriesName(std::time_t now)
{
    if (!m_Variables.empty())
        m_strSeriesName = MakeSeriesName(m_Variables.front(), now);
}

bool CModelSeriesTable::CheckValueCount() const
{
    if (m_nValueCount < 1) {
        AfxMessageBox("You must input a integer value greater than 1 in value count box. ", MB_OK | MB_ICONWARNING);
        return false;
    }
    if (static_cast<std::size_t>(m_nValueCount) > CSeriesValueList::kMaxValues) {
        AfxMessageBox(StrFormat("Too many series points: at most %zu can be created!", CSeriesValueList::kMaxValues),
                      MB_OK | MB_ICONWARNING);
        return false;
    }
    return true;
}

bool CModelSeriesTable::OnOK(CTessaronDoc& doc)
{
    if (!CheckValueCount())
        return false;
    ExchangeItems(true);
    ExchangeItems(false);
    if (!m_Variables.empty())
        GenerateSeries(doc);
    return true;
}

std::vector<int> CModelSeriesTable::ChangedZsegments() const
{
    std::vector<int> zsegs;
    for (const CSeriesVariable& variable : m_Variables)
        if (variable.m_nZSeg >= 0 && std::find(zsegs.begin(), zsegs.end(), variable.m_nZSeg) == zsegs.end())
            zsegs.push_back(variable.m_nZSeg);
    return zsegs;
}

bool CModelSeriesTable::GenerateSeries(CTessaronDoc& doc)
{
    CSeriesDocumentGuard guard(doc);
    const std::string root = doc.GetDocFileName();
    std::string name = Trim(m_strSeriesName);
    if (name.empty() && !m_Variables.empty())
        name = MakeSeriesName(m_Variables.front(), std::time(nullptr));
    CSeriesProject project(root);
    if (!project.Run(name, 1.0, m_nValueCount, 1.0))
        return false;
    const std::vector<int> zsegs = ChangedZsegments();
    for (int i = 0; i < project.GetFolderCount(); ++i) {
        for (CSeriesVariable& variable : m_Variables)
            variable.ApplyValueAt(doc, i);
        if (!CSeriesPointSave::SaveInto(doc, zsegs, project.GetFolderName(i), root))
            return false;
    }
    return true;
}
