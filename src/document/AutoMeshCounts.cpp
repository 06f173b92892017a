#include "document/AutoMeshCounts.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr double kJumpThreshold = 1.0;
constexpr double kNoVariation = 1e-6;
constexpr double kNoSize = 1e-30;

}  // namespace

double DopingTerm(double value, double neighbour)
{
    return DopingTermOfLogs(value, neighbour, DopingMagnitudeLog(value), DopingMagnitudeLog(neighbour));
}

double DopingMagnitudeLog(double value)
{
    // Concentrations are magnitudes: a sign never reaches the logarithm.
    const double magnitude = std::fabs(value);
    return magnitude != 0.0 ? std::log10(magnitude) : 0.0;
}

double DopingTermOfLogs(double value, double neighbour, double valueLog, double neighbourLog)
{
    const bool doped = std::fabs(value) != 0.0;
    const bool neighbourDoped = std::fabs(neighbour) != 0.0;
    if (!doped && neighbourDoped)
        return neighbourLog;
    if (doped && !neighbourDoped)
        return valueLog;
    if (doped && neighbourDoped)
        return std::fabs(std::trunc(valueLog - neighbourLog));
    return 0.0;
}

CMeshSettings FilledMeshSettings(CMeshSettings mesh, const CMeshRegionResult& result)
{
    if (mesh.m_nMeshNum != 0)
        return mesh;
    mesh.m_nMeshNum = result.m_nCount;
    mesh.m_fRatio = static_cast<float>(result.m_dRatio);
    mesh.m_dShiftCenter = result.m_dShift;
    mesh.m_nExtraLow = result.m_nLow;
    mesh.m_nExtraHigh = result.m_nHigh;
    return mesh;
}

bool SameMeshSettings(const CMeshSettings& a, const CMeshSettings& b)
{
    return a.m_nMeshNum == b.m_nMeshNum && a.m_nExtraLow == b.m_nExtraLow && a.m_nExtraHigh == b.m_nExtraHigh &&
           std::memcmp(&a.m_fRatio, &b.m_fRatio, sizeof a.m_fRatio) == 0 &&
           std::memcmp(&a.m_dShiftCenter, &b.m_dShiftCenter, sizeof a.m_dShiftCenter) == 0;
}

void test::ComputeMeshCounts(int totalX, const std::vector<CMeshRegion>& columns,
                             std::vector<CMeshRegionResult>& columnResults, int totalY,
                             const std::vector<CMeshRegion>& rows, std::vector<CMeshRegionResult>& rowResults) const
{
    DistributeMeshPoints(totalX, kGradingOffset, kDopingWeight, m_dMinStepX, columns, columnResults);
    DistributeMeshPoints(totalY, kGradingOffset, kDopingWeight, m_dMinStepY, rows, rowResults);
}

void test::DistributeMeshPoints(int total, double gradingOffset, double dopingWeight, double minStep,
                                const std::vector<CMeshRegion>& regions, std::vector<CMeshRegionResult>& results)
{
    const std::size_t n = regions.size();
    results.assign(n, CMeshRegionResult());
    if (n == 0)
        return;

    double largest = 0.0;
    for (const CMeshRegion& region : regions)
        largest = std::max(largest, std::fabs(region.m_dDoping));
    const bool undoped = largest == 0.0;
    std::vector<double> w(n, 0.0);
    if (!undoped) {
        for (std::size_t i = 0; i < n; ++i)
            w[i] = dopingWeight * regions[i].m_dDoping / largest;
    }

    const auto t = [&regions](std::size_t i) { return double(regions[i].m_nTag); };
    std::vector<double> v(n, 1.0);
    if (!undoped && n > 1) {
        v[0] = std::fabs(t(0) - t(1)) + std::fabs(w[0] - w[1]);
        v[n - 1] = std::fabs(t(n - 1) - t(n - 2)) + std::fabs(w[n - 1] - w[n - 2]);
        for (std::size_t i = 1; i + 1 < n; ++i)
            v[i] = std::fabs(t(i) - t(i + 1)) + std::fabs(w[i] - w[i - 1]) + std::fabs(t(i) - t(i - 1)) +
                   std::fabs(w[i] - w[i + 1]);
        if (*std::max_element(v.begin(), v.end()) < kNoVariation)
            std::fill(v.begin(), v.end(), 1.0);
    }

    AllocateMeshByWeight(v, regions, total, results, 2);
    EnforceMinimumMeshStep(regions, results, minStep);
    ComputeMeshGrading(w, regions, results, gradingOffset);
    if (undoped) {
        // Without any doping the grading has nothing to weigh: even meshes, flags by material.
        for (CMeshRegionResult& result : results) {
            result.m_dRatio = 1.0;
            result.m_dShift = 0.0;
        }
    }
    for (std::size_t i = 0; i < n; ++i)
        results[i].m_dShift *= regions[i].m_dLength;
}

void test::AllocateMeshByWeight(const std::vector<double>& weights, const std::vector<CMeshRegion>& regions,
                                int total, std::vector<CMeshRegionResult>& results, int mode)
{
    double sum = 0.0;
    for (std::size_t i = 0; i < regions.size(); ++i)
        sum += weights[i] * regions[i].m_dLength;
    for (std::size_t i = 0; i < regions.size(); ++i) {
        const double share = weights[i] * regions[i].m_dLength * total;
        int count = static_cast<int>(std::fabs(sum) <= kNoSize ? share : share / sum);
        count = std::max(count, 2);
        if (mode == 2)
            count = std::max(count, kMinimumCount);
        results[i].m_nCount = count;
    }
}

void test::EnforceMinimumMeshStep(const std::vector<CMeshRegion>& regions, std::vector<CMeshRegionResult>& results,
                                  double step)
{
    if (!(step > 0.0))
        return;
    for (std::size_t i = 0; i < regions.size(); ++i) {
        const double lines = regions[i].m_dLength / step;
        if (lines > results[i].m_nCount)
            results[i].m_nCount = static_cast<int>(std::min(lines, 1e9));
    }
}

void test::ComputeMeshGrading(const std::vector<double>& w, const std::vector<CMeshRegion>& regions,
                              std::vector<CMeshRegionResult>& results, double g)
{
    const std::size_t n = regions.size();
    for (CMeshRegionResult& result : results) {
        result.m_dRatio = 1.0;
        result.m_dShift = 0.0;
        result.m_nLow = result.m_nHigh = 0;
    }
    if (n <= 1)
        return;
    const auto t = [&regions](std::size_t i) { return double(regions[i].m_nTag); };
    for (std::size_t i = 0; i < n; ++i) {
        const bool hasLeft = i > 0;
        const bool hasRight = i + 1 < n;
        const double ml = hasLeft ? std::fabs(t(i) - t(i - 1)) : 0.0;
        const double mr = hasRight ? std::fabs(t(i) - t(i + 1)) : 0.0;
        const double jl = hasLeft ? std::fabs(w[i] - w[i - 1]) + ml : 0.0;
        const double jr = hasRight ? std::fabs(w[i] - w[i + 1]) + mr : 0.0;
        CMeshRegionResult& result = results[i];
        if (!hasLeft) {
            result.m_dRatio = jr >= kJumpThreshold ? 1.0 - g : 1.0;
        } else if (!hasRight) {
            result.m_dRatio = jl >= kJumpThreshold ? 1.0 + g : 1.0;
        } else if (jl >= kJumpThreshold && jr >= kJumpThreshold) {
            result.m_dRatio = -(1.0 + g);
            const double q = jr / jl;
            result.m_dShift = 0.5 * (q - 1.0) / (q + 1.0);
        } else if (jr >= kJumpThreshold) {
            result.m_dRatio = 1.0 - g;
        } else if (jl >= kJumpThreshold) {
            result.m_dRatio = 1.0 + g;
        }
        result.m_nLow = ml >= 1.0 ? 1 : 0;
        result.m_nHigh = mr >= 1.0 ? 1 : 0;
    }
}
