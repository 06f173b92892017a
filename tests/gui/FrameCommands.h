#pragma once
// Helpers for tests that drive the main frame's commands: a recorder of the commands that reach
// the frame, and the enabling rules of every menu run as opening the menus runs them.

#include "CommandIds.h"

#include <wx/event.h>

#include <vector>

class CMainFrame;

// Records the command ids that reach the frame (push it onto the frame) and keeps them from
// running, or with `letRun` passes them on to the frame.
class CommandRecorder : public wxEvtHandler {
public:
    std::vector<int> ids;
    bool letRun = false;
    bool TryBefore(wxEvent& event) override
    {
        if (event.GetEventType() == wxEVT_MENU) {
            ids.push_back(CommandIdOfWx(event.GetId()));
            return !letRun;
        }
        return wxEvtHandler::TryBefore(event);
    }
};

// Lets every menu of the frame's bar run its enabling rules, as opening it does.
void UpdateMenus(CMainFrame* frame);
