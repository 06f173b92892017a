#pragma once
// Ends the program after a failure it cannot go on from (a missing macro library at start-up, a
// structure file that stays unreadable), with the exit code the system gives. Tests install a
// handler that throws, so the ending can be observed:
//
//     SetFatalExitHandler([](int code) { throw CFatalExitCalled{code}; });
//     EXPECT_THROW(CodeThatGivesUp(), CFatalExitCalled);
//
// When no handler is installed, or the handler returns, the process ends with the code.

#include <functional>

struct CFatalExitCalled {
    int code;
};

[[noreturn]] void FatalExit(int code);

// Installs a handler (an empty function restores plain exiting).
void SetFatalExitHandler(std::function<void(int)> handler);
