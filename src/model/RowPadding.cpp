#include "model/RowPadding.h"

#include "model/VoidMacroName.h"
#include "model/ZSegment.h"
#include "platform/StringUtil.h"

#include <algorithm>

int CRowPadding::ReferenceColumn(const CZSegment& segment)
{
    int reference = 0;
    int rows = 0;
    for (int c = 0; c < segment.GetColumnCount(); ++c) {
        if (segment.GetColumn(c).GetLayersInUse() > rows) {
            rows = segment.GetColumn(c).GetLayersInUse();
            reference = c;
        }
    }
    return reference;
}

CLayerRec CRowPadding::WrittenFiller(const CZSegment& segment, int column, int row, int reference,
                                     const CLayerRec* below)
{
    const CLayerRec& referenceLayer = segment.GetColumn(reference).GetLayer(row);
    CLayerRec filler;
    filler.m_nColumn = column;
    filler.m_nRow = row;
    filler.m_Material.m_Bulk.m_strName = "void";
    filler.m_Material.m_Active.Edit().m_strName = "void";
    filler.m_Material.m_Grading.Edit().m_nGradeVar = 0;
    filler.m_Doping.m_strKind = "none";
    filler.m_fHeight = referenceLayer.m_fHeight;
    filler.m_Mesh = referenceLayer.m_Mesh;
    if (below) {
        filler.m_fUpperWidth = filler.m_fLowerWidth = below->m_fLowerWidth;
        filler.m_fSpare[0] = below->m_fSpare[0];
        filler.m_fSpare[1] = below->m_fSpare[1];
    } else {
        filler.m_fUpperWidth = filler.m_fLowerWidth = segment.GetColumn(column).m_Size.m_fLowerWidth;
    }
    return filler;
}

void CRowPadding::PadAsSaved(CZSegment& segment, int keptRow)
{
    // Columns are taken for writing only where they change: the others stay shared with the undo
    // snapshots that hold them.
    TrimEmptyTopRows(segment, keptRow);
    AlignRowHeights(segment);
    const int reference = ReferenceColumn(segment);
    const int rows = segment.GetColumnCount() > 0 ? segment.GetColumn(reference).GetLayersInUse() : 0;
    for (int c = 0; c < segment.GetColumnCount(); ++c) {
        // A column without any layer has no width to give its fillers; the save refuses it.
        const int inUse = segment.GetColumn(c).GetLayersInUse();
        if (inUse == 0 || inUse >= rows)
            continue;
        CColumnRec& column = segment.Column(c);
        for (int row = inUse; row < rows; ++row)
            column.AppendLayer(ReadBackFiller(segment, c, row, reference, column.GetLayer(row - 1)));
    }
}

void CRowPadding::FillBlanksAsReadBack(CLayerRec& layer)
{
    std::string& bulk = layer.m_Material.m_Bulk.m_strName;
    if (Trim(bulk).empty())
        bulk = "void macro";
    if (layer.m_Material.m_Active->m_strName.empty())
        layer.m_Material.m_Active.Edit().m_strName = "void macro";
    if (layer.m_Doping.m_strKind.empty())
        layer.m_Doping.m_strKind = "none";
}

void CRowPadding::TrimEmptyTopRows(CZSegment& segment, int keptRow)
{
    for (;;) {
        int rows = 0;
        for (const CColumnRec& column : segment.GetColumns())
            rows = std::max(rows, column.GetLayersInUse());
        if (rows <= 1 || rows - 1 <= keptRow)
            return;
        const int top = rows - 1;
        for (const CColumnRec& column : segment.GetColumns())
            if (column.HasRow(top) && !column.GetLayer(top).IsEmpty())
                return;
        for (int c = 0; c < segment.GetColumnCount(); ++c)
            if (segment.GetColumn(c).HasRow(top))
                segment.Column(c).RemoveLayer(top);
    }
}

void CRowPadding::AlignRowHeights(CZSegment& segment)
{
    // The row's thickness is that of its layer in the first column that has the row: the views
    // line rows up from the left, and once the short columns are filled that column is the first.
    int rows = 0;
    for (const CColumnRec& column : segment.GetColumns())
        rows = std::max(rows, column.GetLayersInUse());
    for (int row = 0; row < rows; ++row) {
        bool found = false;
        float height = 0.0f;
        for (int c = 0; c < segment.GetColumnCount(); ++c) {
            if (!segment.GetColumn(c).HasRow(row))
                continue;
            const float own = segment.GetColumn(c).GetLayer(row).m_fHeight;
            if (!found) {
                found = true;
                height = own;
            } else if (own != height) {
                segment.Column(c).Layer(row).m_fHeight = height;
            }
        }
    }
}

std::vector<CLabelRec> CRowPadding::WrittenRowLabels(const CZSegment& segment, int row)
{
    // The row's labels as the file holds them, which the reader gives every layer of the row: those
    // of its layers in use that are not exactly "void", each text once.
    std::vector<CLabelRec> labels;
    for (const CColumnRec& column : segment.GetColumns()) {
        if (!column.HasRow(row) || column.GetLayer(row).m_Material.m_Bulk.m_strName == "void")
            continue;
        for (const CLabelRec& label : column.GetLayer(row).m_Labels) {
            const bool known = std::any_of(labels.begin(), labels.end(), [&label](const CLabelRec& other) {
                return other.m_strText == label.m_strText;
            });
            if (!known)
                labels.push_back(label);
        }
    }
    // A label without a place is not written, but its text still keeps a later one out.
    labels.erase(std::remove_if(labels.begin(), labels.end(),
                                [](const CLabelRec& label) { return label.m_nLocation == -1; }),
                 labels.end());
    return labels;
}

CLayerRec CRowPadding::ReadBackFiller(const CZSegment& segment, int column, int row, int reference,
                                      const CLayerRec& below)
{
    CLayerRec layer = WrittenFiller(segment, column, row, reference, &below);
    // What the reader makes of it: the record form of the empty names, the grading direction it
    // gives every layer, no extra mesh lines (the row's statement does not carry them), the
    // members the file does not hold at their defaults.
    ToVoidMacroName(layer.m_Material.m_Bulk.m_strName);
    ToVoidMacroName(layer.m_Material.m_Active.Edit().m_strName);
    layer.m_Material.m_Grading.Edit().m_strDirection = "+y";
    layer.m_Mesh.m_nExtraLow = 0;
    layer.m_Mesh.m_nExtraHigh = 0;
    layer.m_fSpare[0] = layer.m_fSpare[1] = 0.0f;
    // The row's statement carries the Gaussian tail and VCSEL type of its first column's layer,
    // and the reader gives them to every layer of the row.
    const CLayerRec& first = segment.GetColumn(0).GetLayer(row);
    layer.m_Doping.m_fGaussianTail = first.m_Doping.m_fGaussianTail;
    layer.m_Vcsel = first.m_Vcsel;
    layer.m_VcselStatement = first.m_VcselStatement;
    layer.m_Labels = WrittenRowLabels(segment, row);
    // A width read back from a rectangle below stays the column's width unless the file names it.
    const float base = segment.GetColumn(column).GetLayer(0).m_fLowerWidth;
    layer.m_fWidth = below.m_fUpperWidth != below.m_fLowerWidth ? below.m_fLowerWidth : base;
    return layer;
}
