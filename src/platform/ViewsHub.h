#pragma once
// What the document needs of its views, reached through one interface so the document never
// depends on a window system. The GUI implements it over the real 2-D and 3-D views; tests use a
// recording fake (tests/support/FakeViewsHub.h). A document without views holds none.

#include <string>

class IViewsHub {
public:
    virtual ~IViewsHub() = default;

    // Hint 1 makes the 3-D view reset its camera and fit the device before repainting; any other
    // hint only repaints. The 2-D view repaints on every hint.
    virtual void UpdateAllViews(int hint) = 0;

    virtual bool HasGL2dView() const = 0;
    virtual bool HasGL3dView() const = 0;

    // 2-D view: show next-step prompt `index` in the prompt window (after a short timer).
    virtual void StartPrompt(int index) = 0;
    // 2-D view: font dialogs for the hover-information window and the prompt window.
    virtual void SetLayerInfoFont() = 0;
    virtual void SetPromptFont() = 0;
    // 2-D view: the background-grid flag (0 or 1).
    virtual int GetGridFlag() const = 0;
    virtual void SetGridFlag(int flag) = 0;
    // 2-D view: run the initial update again (reset to a new device).
    virtual void InitialUpdate2d() = 0;

    // 3-D view: camera back to its start position, fitted to the device.
    virtual void ZoomOrigin() = 0;

    // A line of news for the status bar (such as a save that was cut off and has been finished).
    virtual void ShowStatusText(const std::string& text) = 0;
};
