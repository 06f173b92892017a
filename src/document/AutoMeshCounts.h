#pragma once
// The calculator of the automatic mesh counts (its class name is the one it always had). It
// spreads a total number of mesh lines over a row of regions - the columns of a z-segment, or its
// layer rows - giving more lines where material or doping changes and where a region is larger,
// and grades each region's mesh toward the sides where the changes are.

#include "model/LayerBlocks.h"

#include <vector>

// One region of a direction: its doping concentration (0 undoped), material tag and length.
struct CMeshRegion {
    double m_dDoping = 0.0;
    int m_nTag = 0;
    double m_dLength = 0.0;
};

// What a region gets: mesh count, grading ratio, extra lines at its low and high side, and the
// shift of the grading centre (a length).
struct CMeshRegionResult {
    int m_nCount = 0;
    double m_dRatio = 1.0;
    int m_nLow = 0;
    int m_nHigh = 0;
    double m_dShift = 0.0;
};

class test {
public:
    static constexpr double kGradingOffset = 0.2;
    static constexpr double kDopingWeight = 4.0;
    static constexpr int kMinimumCount = 3;

    // Smallest mesh step of the rows (y) and of the columns (x), in micrometres. A region never
    // gets fewer lines than its length divided by the step; an unset (not positive) step sets no
    // such floor.
    double m_dMinStepY = 0.0;
    double m_dMinStepX = 0.0;

    // Distributes totalX over the column regions and totalY over the row regions.
    void ComputeMeshCounts(int totalX, const std::vector<CMeshRegion>& columns,
                           std::vector<CMeshRegionResult>& columnResults, int totalY,
                           const std::vector<CMeshRegion>& rows, std::vector<CMeshRegionResult>& rowResults) const;

    // The distribution along one direction.
    static void DistributeMeshPoints(int total, double gradingOffset, double dopingWeight, double minStep,
                                     const std::vector<CMeshRegion>& regions,
                                     std::vector<CMeshRegionResult>& results);
    // Counts by weight times length, at least 2 (mode 2: at least 3).
    static void AllocateMeshByWeight(const std::vector<double>& weights, const std::vector<CMeshRegion>& regions,
                                     int total, std::vector<CMeshRegionResult>& results, int mode);
    // Raises each count to the region's length over the step (nothing for a step that is not set).
    static void EnforceMinimumMeshStep(const std::vector<CMeshRegion>& regions,
                                       std::vector<CMeshRegionResult>& results, double step);
    // Ratios, extra-line flags and shift coefficients from the jumps to the neighbours.
    static void ComputeMeshGrading(const std::vector<double>& normalisedDoping, const std::vector<CMeshRegion>& regions,
                                   std::vector<CMeshRegionResult>& results, double gradingOffset);
};

// The doping term of a value and its neighbour's: whole decades between them, or the decades of
// the doped one beside an undoped one.
double DopingTerm(double value, double neighbour);
// The decimal logarithm of a doping's magnitude, the part of DopingTerm that depends on one value
// alone; 0 for an undoped value, whose logarithm DopingTerm never takes.
double DopingMagnitudeLog(double value);
// DopingTerm of two values whose DopingMagnitudeLog is known: a mesh pass compares every layer with
// its neighbours in its column and in its row, and takes each logarithm once.
double DopingTermOfLogs(double value, double neighbour, double valueLog, double neighbourLog);

// The settings with an unset count (0) filled in from a region's result: count, ratio, shift and
// extra lines; settings whose count is set come back as they are.
CMeshSettings FilledMeshSettings(CMeshSettings mesh, const CMeshRegionResult& result);
// True when two settings hold the same bits: a pass that would write one over the other changes
// nothing (a -0 over a 0 does, as a save writes it).
bool SameMeshSettings(const CMeshSettings& a, const CMeshSettings& b);
