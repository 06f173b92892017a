#include "CarriedDevice.h"

#include "document/TessaronDoc.h"
#include "platform/NumberText.h"
#include "spreadsheet/ExcelExporter.h"

#include <algorithm>
#include <cmath>

namespace {

std::string Num(double value) { return StrFormat("%.9g", value); }

std::string Values(const double (&values)[6])
{
    std::string text;
    for (double v : values)
        text += " " + Num(v);
    return text;
}

std::string GratingValues(const double (&values)[5])
{
    std::string text;
    for (double v : values)
        text += " " + Num(static_cast<float>(v));
    return text;
}

std::string Contact(const char* edge, const CContactRange& c)
{
    return StrFormat("    %s %s..%s %s wf=%s #%d\n", edge, Num(c.m_fFrom).c_str(), Num(c.m_fTo).c_str(),
                     c.m_strType.c_str(), Num(c.m_dWorkFunction).c_str(), c.m_nContactNum);
}

// The workbook names a macro without its style: the import chooses the style again from the count
// of values, so a macro the library defines both ways can come back in the other style.
std::string WithoutStyle(const std::string& name) { return name.substr(0, name.find("_old_style")); }

std::string Layer(const CLayerRec& l)
{
    const CLayerMaterial& m = l.m_Material;
    std::string text = StrFormat("    layer d=%s lower=%s upper=%s mesh=%d,%s,%s\n", Num(l.m_fHeight).c_str(),
                                 Num(l.m_fLowerWidth).c_str(), Num(l.m_fUpperWidth).c_str(), l.m_Mesh.m_nMeshNum,
                                 Num(l.m_Mesh.m_fRatio).c_str(), Num(l.m_Mesh.m_dShiftCenter).c_str());
    // A contact layer's number and type are no values of its bulk cell.
    const bool contact = m.m_Bulk.m_strName.compare(0, 7, "contact") == 0;
    text += "      bulk " + WithoutStyle(m.m_Bulk.m_strName) + (contact ? std::string() : Values(m.m_Bulk.m_dVar));
    if (m.m_Grading->m_nGradeVar > 0)
        text += StrFormat(" grade %d %s..%s", m.m_Grading->m_nGradeVar, Num(m.m_Grading->m_fGradeFrom).c_str(),
                          Num(m.m_Grading->m_fGradeTo).c_str());
    text += "\n      active " + WithoutStyle(m.m_Active->m_strName) + Values(m.m_Active->m_dVar) + "\n";
    const bool doped = !l.m_Doping.m_strKind.empty() && l.m_Doping.m_strKind != "none";
    text += "      doping " + (doped ? l.m_Doping.m_strKind + " " + Num(l.m_Doping.m_fValue) : std::string("none")) + "\n";
    text += "      remark [" + CExcelExporter::StripLayerRemark(l) + "]\n";
    const CGratingComposRec& g = l.m_Grating;
    if (g.m_nPresent)
        text += StrFormat("      grating order=%d d=%s,%s,%s,%s hi=%s%s hia=%s%s lo=%s%s loa=%s%s\n", g.m_nGratingOrder,
                          Num(static_cast<float>(g.m_dHigh)).c_str(), Num(static_cast<float>(g.m_dLow)).c_str(),
                          Num(static_cast<float>(g.m_dRise)).c_str(), Num(static_cast<float>(g.m_dFall)).c_str(),
                          g.m_strHiMacro.c_str(), GratingValues(g.m_dHiVar).c_str(), g.m_strHiActiveMacro.c_str(),
                          GratingValues(g.m_dHiAVar).c_str(), g.m_strLoMacro.c_str(), GratingValues(g.m_dLoVar).c_str(),
                          g.m_strLoActiveMacro.c_str(), GratingValues(g.m_dLoAVar).c_str());
    return text;
}

// What the workbook carries at a position above the layers of a column shorter than others: the
// empty layer the device's file gives it, void, with the row's thickness and mesh (those of the
// first column that reaches the row) and as wide as the column's top layer.
std::string FillerLayer(const CZSegment& s, int column, int row)
{
    int reference = 0;
    for (int c = 0; c < s.GetColumnCount(); ++c)
        if (s.GetColumn(c).GetLayersInUse() > s.GetColumn(reference).GetLayersInUse())
            reference = c;
    const CColumnRec& own = s.GetColumn(column);
    CLayerRec filler;
    filler.m_Material.m_Bulk.m_strName = "void macro";
    filler.m_Material.m_Active.Edit().m_strName = "void macro";
    filler.m_fHeight = s.GetColumn(reference).GetLayer(row).m_fHeight;
    filler.m_Mesh = s.GetColumn(reference).GetLayer(row).m_Mesh;
    const int top = own.GetLayersInUse() - 1;
    filler.m_fLowerWidth = filler.m_fUpperWidth = top >= 0 ? own.GetLayer(top).m_fLowerWidth : own.m_Size.m_fLowerWidth;
    return Layer(filler);
}

}  // namespace

std::string CarriedDevice(const CTessaronDoc& doc, bool with3dGeometry, int zsegments)
{
    const int count = zsegments < 0 ? g_nZSegCount : std::min(zsegments, g_nZSegCount);
    std::string text = StrFormat("z-segments %d\n", count);
    for (int z = 0; z < count; ++z) {
        const CZSegment& s = doc.m_ZSegments.at(static_cast<std::size_t>(z));
        text += StrFormat("z-segment %d [%s] [%s]\n", z + 1, s.m_strHeaderComment[0].c_str(),
                          s.m_strHeaderComment[1].c_str());
        if (with3dGeometry) {
            const CZSegmentParams& p = s.m_Params;
            text += StrFormat("  zplanes=%d z=%s..%s taper", p.m_nZPlanes, Num(p.m_dZFrom).c_str(), Num(p.m_dZTo).c_str());
            for (int t = 0; t < p.m_nTaperPointCount; ++t)
                text += " (" + Num(p.m_fTaperPoints[t][0]) + "," + Num(p.m_fTaperPoints[t][1]) + ")";
            text += "\n";
        }
        int rows = 0;
        for (int c = 0; c < s.GetColumnCount(); ++c)
            rows = std::max(rows, s.GetColumn(c).GetLayersInUse());
        for (int c = 0; c < s.GetColumnCount(); ++c) {
            const CColumnRec& column = s.GetColumn(c);
            text += StrFormat("  column w=%s mesh=%d,%s\n", Num(column.GetLayer(0).m_fLowerWidth).c_str(),
                              column.m_Mesh.m_nMeshNum, Num(column.m_Mesh.m_fRatio).c_str());
            for (const CBottomContact& b : column.m_Contacts.GetBottoms())
                text += Contact("bottom", b);
            for (const CTopContact& t : column.m_Contacts.GetTops())
                text += Contact("top", t);
            for (int l = 0; l < column.GetLayersInUse(); ++l)
                text += Layer(column.GetLayer(l));
            for (int l = column.GetLayersInUse(); l < rows; ++l)
                text += FillerLayer(s, c, l);
        }
    }
    return text;
}
