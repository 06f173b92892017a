#include "statements/LoadContext.h"

void CLoadContext::Reset()
{
    m_nLineCounter = 0;
    m_Includes.clear();
    m_strIncludeFolder.clear();
}
