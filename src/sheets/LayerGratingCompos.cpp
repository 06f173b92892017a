#include "sheets/LayerGratingCompos.h"

#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"

bool CLayerGratingCompos::CheckComplete()
{
    if (m_Record.m_nPresent == 0)
        return true;
    const struct {
        std::string* name;
        const char* keyword;
    } names[] = {{&m_Record.m_strHiMacro, "hi_macro_name"},
                 {&m_Record.m_strHiActiveMacro, "hi_active_macro"},
                 {&m_Record.m_strLoMacro, "lo_macro_name"},
                 {&m_Record.m_strLoActiveMacro, "lo_active_macro"}};
    for (const auto& n : names) {
        *n.name = Trim(*n.name);
        if (n.name->empty())
            AfxMessageBox(std::string("  You did not set ") + n.keyword + ", \ngrating_compos will not be valid!", MB_OK);
    }
    return true;
}
