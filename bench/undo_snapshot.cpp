// Undo snapshots of a large device: 40 z-segments x 20 columns x 50 layers (40 000 layers). In one
// run it measures what an editing command pays for its undo step after a one-layer edit (the
// checkpoint, then Undo and Redo), a whole capture and restore of a fresh snapshot, the heap that
// six snapshots hold after six one-layer edits next to one device's records, and, as the
// reference, the save of the 20 x 500 ".layer" file through the document.

#include "DocumentBenchSupport.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

constexpr int kZSegs = 40;
constexpr int kColumns = 20;
constexpr int kLayers = 50;

// Changes one layer the way an editing command does: a checkpoint first, the document's update last.
void EditOneLayer(CTessaronDoc& doc, int edit)
{
    doc.CheckPoint();
    CLayerRec& layer = doc.m_ZSegments[static_cast<std::size_t>(edit * 7 % kZSegs)]
                           .Column(edit * 3 % kColumns)
                           .Layer(edit * 11 % kLayers);
    layer.m_fHeight += 0.01f;
    doc.UpdateAllViews(0);
}

struct OpenedFileMemory {
    double deviceBytes = 0;   // the document after the open: records, statement lists, seg info
    double historyBytes = 0;  // six snapshots after six one-layer edits
};

// The heap of a document opened on the 20 x 500 ".layer" file, and what six undo snapshots add to
// it: the statements the file was read with are shared by the snapshots, not copied.
OpenedFileMemory MeasureOpenedFile()
{
    namespace fs = std::filesystem;
    const std::string path = (fs::temp_directory_path() / "tessaron_bench_undo_opened.layer").string();
    {
        CTessaronDoc built;
        BuildBenchDevice(built, 1, 20, 500);
        built.SaveCurrentZsegmentLayerFile(path);
    }
    OpenedFileMemory memory;
    malloc_trim(0);
    const double emptyHeap = HeapBytesInUse();
    {
        CTessaronDoc doc;
        doc.OnOpenDocument(path);
        memory.deviceBytes = HeapBytesInUse() - emptyHeap;
        const double beforeHistory = HeapBytesInUse();
        for (int edit = 0; edit < CUndoHistory::kMaxSnapshots; ++edit) {
            doc.CheckPoint();
            doc.m_ZSegments[0].Column(edit * 3 % 20).Layer(edit * 11 % 500).m_fHeight += 0.01f;
            doc.UpdateAllViews(0);
        }
        memory.historyBytes = HeapBytesInUse() - beforeHistory;
    }
    fs::remove(path);
    return memory;
}

double SaveReferenceMs()
{
    namespace fs = std::filesystem;
    const std::string path = (fs::temp_directory_path() / "tessaron_bench_undo_reference.layer").string();
    CTessaronDoc doc;
    BuildBenchDevice(doc, 1, 20, 500);
    doc.SaveCurrentZsegmentLayerFile(path);
    CTessaronDoc opened;
    opened.OnOpenDocument(path);
    const double ms = MedianMs(9, [&] { opened.OnSaveDocument(path); });
    fs::remove(path);
    return ms;
}

}  // namespace

int main()
{
    BenchBuilderApp app;
    const double emptyHeap = HeapBytesInUse();
    CTessaronDoc doc;
    BuildBenchDevice(doc, kZSegs, kColumns, kLayers);
    doc.UpdateAllViews(0);
    const double deviceBytes = HeapBytesInUse() - emptyHeap;
    const double layerBytes = double(sizeof(CLayerRec)) * kZSegs * kColumns * kLayers;

    // Six one-layer edits, each with its checkpoint: the history at its cap.
    const double beforeHistory = HeapBytesInUse();
    for (int edit = 0; edit < CUndoHistory::kMaxSnapshots; ++edit)
        EditOneLayer(doc, edit);
    const double historyBytes = HeapBytesInUse() - beforeHistory;

    int edit = CUndoHistory::kMaxSnapshots;
    const double checkPoint = MedianMs(15, [&] {
        CLayerRec& layer = doc.m_ZSegments[static_cast<std::size_t>(edit % kZSegs)].Column(edit % kColumns).Layer(edit % kLayers);
        layer.m_fHeight += 0.01f;
        ++edit;
        doc.UpdateAllViews(0);
        doc.CheckPoint();
    });
    const double undoRedo = MedianMs(15, [&] {
        doc.UndoHistory().Undo();
        doc.UndoHistory().Redo();
    });
    CDocSnapshot snapshot;
    const double capture = MedianMs(9, [&] {
        CDocSnapshot fresh;
        fresh.Capture(doc);
        snapshot = std::move(fresh);
    });
    const double restore = MedianMs(9, [&] { snapshot.Restore(doc); });
    const double save = SaveReferenceMs();
    const OpenedFileMemory opened = MeasureOpenedFile();

    std::printf("device: %d x %d x %d layers, %.1f MB on the heap (%.1f MB of layer records)\n", kZSegs, kColumns,
                kLayers, deviceBytes / 1e6, layerBytes / 1e6);
    std::printf("checkpoint after a one-layer edit %.3f ms; Undo + Redo %.3f ms; capture of a fresh snapshot %.3f ms, "
                "its restore %.3f ms\n",
                checkPoint, undoRedo, capture, restore);
    std::printf("six snapshots after six one-layer edits hold %.3f MB: %.4f x one device (device + history %.3f x)\n",
                historyBytes / 1e6, historyBytes / deviceBytes, (deviceBytes + historyBytes) / deviceBytes);
    std::printf("reference: save of the 20 x 500 file %.3f ms\n", save);
    std::printf("RESULT checkpoint + Undo + Redo = %.3f x the save (goal: at most 1); device + six snapshots = %.3f x "
                "one device (goal: at most 1.2)\n",
                (checkPoint + undoRedo) / save, (deviceBytes + historyBytes) / deviceBytes);
    std::printf("opened 20 x 500 file: %.1f MB on the heap; six snapshots after six one-layer edits hold %.3f MB\n",
                opened.deviceBytes / 1e6, opened.historyBytes / 1e6);
    std::printf("RESULT opened 20 x 500 file: device + six snapshots = %.3f x one device (goal: at most 1.05)\n",
                (opened.deviceBytes + opened.historyBytes) / opened.deviceBytes);
    return 0;
}
