#include "DeckFolder.h"

#include "platform/NumberText.h"
#include "support/FileBytes.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

std::string DeviceOutline(CTessaronDoc& doc)
{
    std::string text;
    for (int z = 0; z < g_nZSegCount; ++z) {
        const CZSegment& segment = doc.m_ZSegments[static_cast<std::size_t>(z)];
        const CZSegmentParams& params = segment.m_Params;
        text += StrFormat("z-segment %d: %g..%g planes %d taper %d", z + 1, params.m_dZFrom, params.m_dZTo,
                          params.m_nZPlanes, params.m_nTaperPointCount);
        for (int p = 0; p < params.m_nTaperPointCount; ++p)
            text += StrFormat(" (%g %g)", double(params.m_fTaperPoints[p][0]), double(params.m_fTaperPoints[p][1]));
        text += "\n";
        for (int c = 0; c < segment.GetColumnCount(); ++c) {
            const CColumnRec& column = segment.GetColumn(c);
            text += StrFormat("  column %d mesh %d:", c + 1, column.m_Mesh.m_nMeshNum);
            for (int r = 0; r < column.GetLayersInUse(); ++r) {
                const CLayerRec& layer = column.GetLayer(r);
                text += StrFormat(" [%g x %g %s]", double(layer.m_fWidth), double(layer.m_fHeight),
                                  layer.m_Material.m_Bulk.m_strName.c_str());
            }
            text += "\n";
        }
    }
    return text;
}

std::vector<std::string> FolderNames(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::map<std::string, std::string> FolderBytes(const std::string& folder)
{
    std::map<std::string, std::string> files;
    for (const std::string& name : FolderNames(folder))
        files[name] = FileBytes(folder + "/" + name);
    return files;
}

void RestoreFolder(const std::string& folder, const std::map<std::string, std::string>& files)
{
    for (const std::string& name : FolderNames(folder))
        std::filesystem::remove(folder + "/" + name);
    for (const auto& [name, bytes] : files)
        std::ofstream(folder + "/" + name, std::ios::binary) << bytes;
}
