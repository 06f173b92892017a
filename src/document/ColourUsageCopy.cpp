#include "document/ColourUsageCopy.h"

#include <cstring>

static_assert(sizeof(CColourUsageCopy) == sizeof g_ColourUsage, "the copy holds the whole usage table");

CColourUsageCopy::CColourUsageCopy() { std::memcpy(m_cells, g_ColourUsage, sizeof m_cells); }

void CColourUsageCopy::Restore() const { std::memcpy(g_ColourUsage, m_cells, sizeof m_cells); }
