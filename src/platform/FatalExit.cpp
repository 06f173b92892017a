#include "platform/FatalExit.h"

#include <cstdio>
#include <cstdlib>

namespace {
std::function<void(int)>& Handler()
{
    static std::function<void(int)> handler;
    return handler;
}
}  // namespace

void FatalExit(int code)
{
    if (Handler())
        Handler()(code);
    std::fflush(nullptr);
    std::_Exit(code);
}

void SetFatalExitHandler(std::function<void(int)> handler) { Handler() = std::move(handler); }
