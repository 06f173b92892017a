#pragma once
// The colour usage (which colour and pattern pairs the layers hold, and how often) as it stood
// when a step began, for putting back when the step is cancelled or fails.

#include "model/ProcessState.h"

class CColourUsageCopy {
public:
    CColourUsageCopy();
    void Restore() const;

private:
    int m_cells[23][23];
};
