#pragma once
// The 3-D parameters of a z-segment: z range, z planes, taper link, taper points, rotation angle.
// Every z-segment holds one and every column a copy of its z-segment's.

#include <string>

class CZSegmentParams {
public:
    static constexpr int kMaxTaperPoints = 9;

    std::string m_strTaperLink = "yes";  // "link_taper_contact": "yes" or "no"
    double m_dZFrom = 0.0;
    double m_dZTo = 0.0;
    int m_nZPlanes = 1;                  // "zplanes"
    int m_nMethod = -1;                  // method code, -1 none
    int m_nTaperPointCount = 0;          // taper points in use, at most kMaxTaperPoints
    float m_fTaperPoints[kMaxTaperPoints][2] = {};  // (x on the bottom edge, x on the top edge)
    int m_nSpare = 0;                    // carried by copies
    double m_dAngle = 0.0;               // rotation angle in degrees

    CZSegmentParams() = default;
    CZSegmentParams(const CZSegmentParams&) = default;
    CZSegmentParams& operator=(const CZSegmentParams&) = default;
    CZSegmentParams(CZSegmentParams&&) = default;
    CZSegmentParams& operator=(CZSegmentParams&&) = default;
    virtual ~CZSegmentParams() = default;

    // Back to the construction values; the taper points themselves are kept.
    void Reset();
};
