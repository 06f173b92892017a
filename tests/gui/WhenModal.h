#pragma once
// Acts on the next modal window of a kind once it is up: a timer looks for it, and timers also
// run in the modal loops of the windows a command opens (a window just closed does not count).
// The user must close the window.

#include "ModalWindow.h"

#include <gtest/gtest.h>
#include <wx/timer.h>

#include <functional>

template <typename Window>
class WhenModal : public wxTimer {
public:
    explicit WhenModal(std::function<void(Window&)> user) : m_user(std::move(user)) { Start(10); }
    bool Seen() const { return m_bSeen; }

    void Notify() override
    {
        Window* window = OpenModal<Window>();
        if (!window) {
            if (++m_nTicks > 1000) {
                Stop();
                ADD_FAILURE() << "no modal window open";
            }
            return;
        }
        Stop();
        m_bSeen = true;
        m_user(*window);
        if (window->IsModal()) {
            ADD_FAILURE() << "the window was left open";
            window->EndModal(wxID_CANCEL);
        }
    }

private:
    std::function<void(Window&)> m_user;
    bool m_bSeen = false;
    int m_nTicks = 0;
};
