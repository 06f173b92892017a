#include "series/SeriesPointSave.h"

#include "document/TessaronDoc.h"
#include "platform/Path.h"
#include "platform/UserPrompts.h"

std::string CSeriesPointSave::FileNameOf(const CTessaronDoc& doc, int zseg, const std::string& rootPath)
{
    if (zseg >= 0 && zseg < static_cast<int>(doc.m_ZSegments.size())) {
        const std::string& own = doc.m_ZSegments[static_cast<std::size_t>(zseg)].m_strLayerFile;
        if (!own.empty())
            return PathFileName(own);
    }
    if (zseg == 0 && PathNamesKind(PathFileName(rootPath), ".layer"))
        return PathFileName(rootPath);
    std::string title = PathFileName(rootPath);
    title = title.substr(0, title.find('.'));
    return zseg == 0 ? title + ".layer" : title + "_" + std::to_string(zseg + 1) + ".layer";
}

bool CSeriesPointSave::SaveInto(CTessaronDoc& doc, const std::vector<int>& zsegs, const std::string& folder,
                                const std::string& rootPath)
{
    for (int zseg : zsegs) {
        const std::string path = folder + FileNameOf(doc, zseg, rootPath);
        if (!doc.SaveZsegmentLayerFile(zseg, path)) {
            AfxMessageBox("cannt write layer file!\n" + path + ": " + doc.GetWriteError(), MB_OK | MB_ICONWARNING);
            return false;
        }
    }
    return true;
}
