#pragma once
// A saved device for the series tests: the fixture folder "Device" (a ".layer" file, a file it
// includes from the sub-folder "Rows", a plain note) copied below a fresh temporary folder, opened
// by the document, with the edit-box series installed over scripted windows.

#include "series/EditBoxSeries.h"
#include "support/DocFixture.h"
#include "support/FakeSheetRunner.h"
#include "support/TempFolder.h"
#include "textfiles/LayerFileHarness.h"

#include <deque>
#include <string>

// The series windows as a test drives them: the step dialog answers from a queue.
class ScriptedSeriesWindows : public ISeriesWindows {
public:
    // The user enters these values and presses OK.
    void AnswerStep(double initial, double final, int steps, int group);
    void CancelStep();

    bool RunConditionStep(CSeriesStep& step) override;
    void ShowConditionDialog(CSeriesConditionDlg&) override { ++shown; }
    void DestroyConditionDialog(CSeriesConditionDlg&) override { ++destroyed; }

    std::vector<CSeriesStep> stepsOffered;  // the values each step dialog opened with
    int shown = 0;
    int destroyed = 0;

private:
    std::deque<std::pair<bool, CSeriesStep>> m_answers;
};

class SeriesDevice : public DocFixture {
protected:
    SeriesDevice();
    ~SeriesDevice() override;

    // The device's folder ("<temp>/Runs/Device/") and its ".layer" file.
    std::string DeviceFolder() const { return folder.File("Runs/Device/"); }
    std::string DevicePath() const { return DeviceFolder() + "Sweep.layer"; }
    // Copies the fixture folder into the temporary folder and opens the device.
    void OpenDevice();
    // Modify Layer on (column, row) of z-segment 1; in the sheet the user right-clicks the box of
    // parameter `paramId`, chooses Series and answers the step dialog as scripted; then cancels.
    void SweepInModifySheet(int column, int row, int paramId);
    CSeriesConditionDlg* Dialog() const { return series.GetDialog(); }

    LayerFileHarness harness;
    TempFolder folder;
    FakeSheetRunner sheets;
    ScriptedSeriesWindows windows;
    CEditBoxSeries series{windows};
};

// The bytes of a file below a folder ("" when it cannot be read).
std::string BytesOf(const std::string& path);
