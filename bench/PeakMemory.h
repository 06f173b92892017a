#pragma once
// Peak memory of a piece of work, read from the kernel's own figures for this process.

#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>

// A field of the process's status in kB ("VmHWM", "VmRSS"); 0 when it cannot be read.
inline double StatusKb(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(std::string(field) + ":", 0) == 0)
            return std::atof(line.c_str() + std::strlen(field) + 1);
    return 0.0;
}

// The peak resident memory of work above the memory resident before it, in MB: the kernel's
// high-water mark is reset first (clear_refs 5), so the peak is that of this work alone.
inline double PeakMbOf(const std::function<void()>& work)
{
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    const double before = StatusKb("VmRSS");
    work();
    return (StatusKb("VmHWM") - before) / 1024.0;
}
