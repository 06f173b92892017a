#pragma once
// What a deck save changes in the device while it prepares the files, kept so that a save that
// fails leaves the device as it was: per z-segment its ".layer" path, its z-segment parameters
// (the taper points and counts the save rebuilds or zeroes), its sections (the save adds default
// ones) and the mesh settings of its columns and layers (the save fills unset counts); and the
// seg-info list, whose names the save renews.

#include "model/ColumnRec.h"
#include "model/SegInfoList.h"
#include "model/ZSegment.h"

#include <vector>

class CDeckSaveRollback {
public:
    void Capture(const std::vector<CZSegment>& zsegs, int inUse, const CSegInfoList& segInfo);
    void Restore(std::vector<CZSegment>& zsegs, CSegInfoList& segInfo) const;

private:
    struct Segment {
        std::string layerFile;
        CZSegmentParams params;
        std::vector<CSectionRecord> sections;
        std::vector<CMeshSettings> meshes;  // per column its own, then its layers'
    };
    std::vector<Segment> m_segments;
    CSegInfoList m_segInfo;
};
