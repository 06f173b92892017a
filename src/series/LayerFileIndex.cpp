#include "series/LayerFileIndex.h"

void CLayerFileIndex::Clear()
{
    m_strPath.clear();
    m_Includes.clear();
    m_Lines.RemoveAll();
    m_Items.clear();
}
