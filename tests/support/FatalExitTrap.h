#pragma once
// Turns FatalExit into a thrown CFatalExitCalled for its lifetime, so tests can observe it:
//     FatalExitTrap trap;
//     EXPECT_THROW(Code(), CFatalExitCalled);

#include "platform/FatalExit.h"

class FatalExitTrap {
public:
    FatalExitTrap() { SetFatalExitHandler([](int code) { throw CFatalExitCalled{code}; }); }
    ~FatalExitTrap() { SetFatalExitHandler(nullptr); }
    FatalExitTrap(const FatalExitTrap&) = delete;
    FatalExitTrap& operator=(const FatalExitTrap&) = delete;
};
