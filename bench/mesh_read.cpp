// Reading a ".msh" file of a million triangles, beside reading the same bytes raw, so the cost of
// the reader itself shows against the file I/O. The read benchmark measures the raw read in the
// same run and reports the ratio as a counter.

#include "platform/FileIO.h"
#include "platform/NumberText.h"
#include "textfiles/MeshFileReader.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

constexpr int kTriangles = 1000000;

struct MeshFile {
    std::string path;
    std::size_t bytes = 0;
};

// A mesh as the tool writes it: vertices with six decimals, a region number after each triangle.
const MeshFile& GetMeshFile()
{
    static MeshFile file = [] {
        MeshFile made;
        made.path = (std::filesystem::temp_directory_path() / "tessaron_bench_mesh.msh").string();
        std::string text = "mesh written for the benchmark\n" + std::to_string(kTriangles) + "\n";
        text.reserve(std::size_t(kTriangles) * 64);
        for (int t = 0; t < kTriangles; ++t) {
            const double x = 0.001 * (t % 4000), y = 0.002 * (t / 4000);
            text += StrFormat("%f %f\n%f %f\n%f %f\n%d\n", x, y, x + 0.001, y, x, y + 0.002, t % 37);
        }
        WriteFileAtomic(made.path, text);
        made.bytes = text.size();
        return made;
    }();
    return file;
}

// Milliseconds of one raw read of the file, the best of a few.
double RawReadMs(const MeshFile& file)
{
    double best = 1e300;
    for (int i = 0; i < 3; ++i) {
        const auto start = std::chrono::steady_clock::now();
        std::string bytes;
        ReadFileBytes(file.path, bytes);
        benchmark::DoNotOptimize(bytes);
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

void BM_ReadMeshFile(benchmark::State& state)
{
    const MeshFile& file = GetMeshFile();
    const double rawMs = RawReadMs(file);
    double totalMs = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        CMeshElementList list;
        if (CMeshFileReader::ReadFile(file.path, list) != CMeshFileReader::kRead ||
            list.m_Elements.size() != std::size_t(kTriangles))
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(list);
        totalMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["triangles"] = kTriangles;
    state.counters["MB"] = double(file.bytes) / 1e6;
    state.counters["raw_read_ms"] = rawMs;
    state.counters["ratio_to_raw"] = totalMs / double(state.iterations()) / rawMs;
}
BENCHMARK(BM_ReadMeshFile)->Unit(benchmark::kMillisecond);

void BM_RawRead(benchmark::State& state)
{
    const MeshFile& file = GetMeshFile();
    for (auto _ : state) {
        std::string bytes;
        ReadFileBytes(file.path, bytes);
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["MB"] = double(file.bytes) / 1e6;
}
BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond);

}  // namespace
