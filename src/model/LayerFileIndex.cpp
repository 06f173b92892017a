#include "model/LayerFileIndex.h"

#include "platform/UserPrompts.h"

void CLayerFileIndex::Clear()
{
    m_strPath.clear();
    m_Includes.clear();
    m_Lines.RemoveAll();
    m_Items.clear();
    m_LineFiles.clear();
    m_LineStarts.clear();
}

bool CLayerFileIndex::FindItem(int id, int z, int layer, int column, const std::string& key, CLayerFileItem& out) const
{
    for (const CLayerFileItem& item : m_Items) {
        if (item.m_nParamId == id && item.m_nZSeg == z && (item.m_nFirst == -1 || item.m_nFirst == layer) &&
            (item.m_nSecond == -1 || item.m_nSecond == column) && item.m_strKey == key) {
            out = item;
            return true;
        }
    }
    AfxMessageBox("Can't find this item in file, \nPerhaps you should save file first!", MB_OK);
    return false;
}

bool CLayerFileIndex::FindContactItem(const CSeriesTarget& target, CLayerFileItem& out) const
{
    for (const CLayerFileItem& item : m_Items) {
        if (item.m_nParamId == target.m_nValueKind && item.m_nZSeg == target.m_nZSeg &&
            item.m_nFirst == target.m_nOwner && item.m_nSecond == target.m_nContact &&
            item.m_strKey == target.m_strKeyword) {
            out = item;
            return true;
        }
    }
    AfxMessageBox("Error when series contact, \nPlease save file first!", MB_OK);
    return false;
}
