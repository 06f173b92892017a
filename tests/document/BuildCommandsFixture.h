#pragma once
// A document for the commands that build a device: the scripted sheet runner, the macros of the
// layer fixtures, a temporary folder, the ridge fixture (two columns of four rows) to start from,
// and what a save of the device writes, to tell a changed device from an unchanged one.

#include "support/DocFixture.h"
#include "support/FakeSheetRunner.h"
#include "support/TempFolder.h"
#include "textfiles/LayerFileHarness.h"

#include <initializer_list>
#include <string>
#include <utility>

class BuildCommandsFixture : public DocFixture {
protected:
    BuildCommandsFixture();

    // Opens a copy of the ridge fixture as z-segment 1, with an empty history and no view hints.
    void OpenRidge();
    // The ridge device made into z-segments of the given z ranges (each a copy of the ridge),
    // the first one current, seg-info list built.
    void OpenRidgeAsZSegments(std::initializer_list<std::pair<double, double>> ranges);
    // What a save of the device writes: every z-segment in use as its ".layer" file, with its z
    // range and z planes.
    std::string SavedDevice();
    // Runs a command of the document by its id, as a menu does.
    void Run(int id) { doc().OnCommand(id); }
    int UndoEntries();
    int ColourUses() const;

    LayerFileHarness harness;
    TempFolder folder;
    FakeSheetRunner sheets;
    std::string ridgePath;
};
