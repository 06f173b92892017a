// Opening a ".sol" deck: the deck handler reads the deck and every z-segment's ".layer" file into
// the records; the document then takes over the deck's settings and names the z-segments after
// their files.

#include "document/TessaronDoc.h"

#include "textfiles/SolFile.h"

CSolDocument CTessaronDoc::SolDocument()
{
    CDeckSettings settings;
    settings.zsegCount = g_nZSegCount;
    settings.isolatedMethod = g_strIsolatedMethod;
    settings.lengthForm = g_nZStructureLengthForm;
    settings.cylinder = m_nCylinder;
    return CSolDocument{m_ZSegments, m_LayerLines, m_MaterialSets, m_VcselSections, GetMacroList(), m_nProductCode,
                        settings};
}

void CTessaronDoc::ApplyDeckSettings(const CDeckSettings& settings)
{
    g_nZSegCount = settings.zsegCount;
    g_strIsolatedMethod = settings.isolatedMethod;
    g_nZStructureLengthForm = settings.lengthForm;
    m_nCylinder = settings.cylinder;
}

bool CTessaronDoc::OpenSolFile(const std::string& path, int simulator)
{
    OnNewDocument();
    m_SegInfoList.Clear();
    m_SegInfoList.m_nNaming = 1;
    m_SegInfoList.SetNameFromPath(path);

    CSolDocument deck = SolDocument();
    // The deck is read for the simulator it was written for.
    if (simulator >= 0)
        deck.productCode = simulator;
    CSolFile reader;
    reader.SetDocument(&deck);
    if (!reader.ReadSolFile(path)) {
        // The records hold part of the deck: nothing of it may stay.
        m_ZSegments.clear();
        OnNewDocument();
        return false;
    }
    ApplyDeckSettings(deck.settings);
    g_nCurZSeg = 1;
    if (reader.HasReadUpperWidth())
        g_CurLayerParams.MarkEdgeWidthsRead();

    BuildSegInfoList();
    for (int i = 0; i < m_SegInfoList.GetCount(); ++i)
        m_SegInfoList.GetAt(i)->m_nNamed = 1;
    RenumberContacts();
    RecountLayerColours();
    SetSelection(-1, -1, -1);
    RefreshLayerFileIndexes();
    UpdateAllViews(1);
    return true;
}
