#pragma once
// A document for the editing commands: the test document with a scripted sheet runner, and short
// ways to select a layer, read the device back as bulk macro names and read the colour usage.

#include "support/DocFixture.h"
#include "support/FakeSheetRunner.h"

#include <functional>
#include <string>
#include <vector>

class EditCommands : public DocFixture {
protected:
    // Makes z-segment zseg current and selects its layer (column, row).
    void Select(int zseg, int column, int row)
    {
        g_nCurZSeg = zseg + 1;
        doc().SetSelection(zseg, column, row);
    }

    // The bulk macro names of a z-segment, column by column from row 0 up.
    std::vector<std::vector<std::string>> Bulks(int zseg)
    {
        std::vector<std::vector<std::string>> columns;
        for (const CColumnRec& column : Seg(zseg).GetColumns()) {
            columns.emplace_back();
            for (const CLayerRec& layer : column.GetLayers())
                columns.back().push_back(layer.m_Material.m_Bulk.m_strName);
        }
        return columns;
    }

    // Gives a layer a (colour, pattern) pair and counts it, as a device built by the commands has.
    void Paint(CLayerRec& layer, int colour, int pattern)
    {
        layer.m_nColour = colour;
        layer.m_nPattern = pattern;
        ++g_ColourUsage[colour][pattern];
    }

    static CLabelRec Label(const std::string& text, int location = 0) { return CLabelRec{text, location, -9999.0}; }
    static std::vector<std::string> Texts(const std::vector<CLabelRec>& labels)
    {
        std::vector<std::string> texts;
        for (const CLabelRec& label : labels)
            texts.push_back(label.m_strText);
        return texts;
    }

    // The next sheet meets a user who edits the images (and the request) and presses OK.
    void AcceptNextSheetWith(const std::function<void(LayerSheetRequest&)>& user)
    {
        sheets.OnNextSheet([user](LayerSheetRequest& request) {
            user(request);
            return true;
        });
    }

    bool Enabled(int id) { return doc().QueryCommand(id).enabled; }
    bool CanUndo() { return doc().UndoHistory().CanUndo(); }

    FakeSheetRunner sheets;
};

using Device = std::vector<std::vector<std::string>>;
