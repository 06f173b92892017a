// Cost of merging a large z-segment into the lines its file had: 20 columns of 500 layers, each
// row with a side contact and a label, every statement unchanged. Next to it, the cost of copying
// the same statement lists, the floor any merge pays.

#include <benchmark/benchmark.h>

#include "platform/StringUtil.h"
#include "textfiles/LayerFileUpdater.h"
#include "textfiles/LayerParamFlags.h"

#include <string>

namespace {

const int kColumns = 20;
const int kRows = 500;

void Add(CKeywordLineList& list, const std::string& text, int number)
{
    CKeywordLine line;
    line.Parse(text);
    line.m_nLine = number;
    list.Append(line);
}

// The old lines as loaded (numbered) and the fresh statements as the writer gives them.
void MakeLists(CKeywordLineList& old, CKeywordLineList& fresh)
{
    int number = 0;
    auto both = [&](const std::string& oldText, const std::string& freshText) {
        Add(old, oldText, ++number);
        Add(fresh, freshText, 0);
    };
    both("begin_layer", "begin_layer");
    both("rotation angle=0", "rotation angle=0.000000");
    for (int c = 1; c <= kColumns; ++c)
        both("column column_num=" + std::to_string(c) + " w=2 mesh_num=4 r=1",
             "column column_num=" + std::to_string(c) + " w=2.000000 mesh_num=4 r=1.000000");
    for (int r = 0; r < kRows; ++r) {
        Add(old, "$ row " + std::to_string(r), ++number);
        for (int c = 1; c <= kColumns; ++c)
            both("layer_mater macro_name=gaas column_num=" + std::to_string(c) + " solve_wave=yes embedded_structure=0",
                 "layer_mater macro_name=gaas column_num=" + std::to_string(c) +
                     " solve_wave=yes embedded_structure=0");
        both("layer d=0.1 n=4 r=1", "layer d=0.100000 n=4 r=1.000000");
        both("left_contact from=0 to=1 contact_num=2", "left_contact from=0.000000 to=1.000000 contact_num=2");
        both("layer_position label=L" + std::to_string(r) + " location=top",
             "layer_position label=L" + std::to_string(r) + " location=top");
        Add(fresh, "$", 0);
    }
    both("end_layer", "end_layer");
    for (CKeywordLine& line : fresh.m_lines)
        line.m_strText.clear();
}

void BM_MergeLargeZSegment(benchmark::State& state)
{
    FillLayerParamFlags();
    CKeywordLineList old, fresh;
    MakeLists(old, fresh);
    for (auto _ : state) {
        CKeywordLineList work = fresh;
        CKeywordLineList result;
        CLayerFileUpdater updater;
        updater.Update(old, work, result);
        benchmark::DoNotOptimize(result.GetCount());
    }
    state.counters["lines"] = old.GetCount();
}
BENCHMARK(BM_MergeLargeZSegment)->Unit(benchmark::kMillisecond);

void BM_CopyListsOnly(benchmark::State& state)
{
    CKeywordLineList old, fresh;
    MakeLists(old, fresh);
    for (auto _ : state) {
        CKeywordLineList a = old;
        CKeywordLineList b = fresh;
        benchmark::DoNotOptimize(a.GetCount() + b.GetCount());
    }
}
BENCHMARK(BM_CopyListsOnly)->Unit(benchmark::kMillisecond);

}  // namespace
