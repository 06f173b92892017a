#include "model/SharedLayers.h"

#include "platform/MemoryPages.h"

#include <atomic>
#include <new>

namespace {

// Number of SharingScope objects alive on this thread.
thread_local int t_sharingScopes = 0;

// Layers made together (a column read or copied whole) live side by side in one block, freed when
// its last layer goes: one allocation per column instead of one per layer keeps the reading of a
// large device, and the allocator's work for it, close to that of one array per column.
struct LayerBlock {
    std::atomic<std::size_t> live;
    CLayerRec* Layers() { return reinterpret_cast<CLayerRec*>(reinterpret_cast<unsigned char*>(this) + kOffset); }

    static constexpr std::size_t kOffset =
        (sizeof(std::atomic<std::size_t>) + alignof(CLayerRec) - 1) / alignof(CLayerRec) * alignof(CLayerRec);
};

struct LayerInBlock {
    LayerBlock* block;
    void operator()(CLayerRec* layer) const
    {
        layer->~CLayerRec();
        if (block->live.fetch_sub(1) == 1) {
            block->~LayerBlock();
            ::operator delete(static_cast<void*>(block));
        }
    }
};

// Appends count layers in one block, layer i made in place by make(place, i). The block is written
// whole right away, so its pages are asked for up front.
template <class Make>
void AppendInOneBlock(std::vector<CSharedLayers::Pointer>& layers, std::size_t count, Make make)
{
    if (count == 0)
        return;
    const std::size_t bytes = LayerBlock::kOffset + count * sizeof(CLayerRec);
    void* memory = ::operator new(bytes);
    PopulateForWriting(memory, bytes);
    LayerBlock* block = new (memory) LayerBlock{};
    block->live = count;  // each layer made releases one count through its pointer
    std::size_t made = 0;
    try {
        layers.reserve(layers.size() + count);
        while (made < count) {
            CLayerRec* layer = make(block->Layers() + made, made);
            ++made;
            // Should the pointer fail to come about, it has released the layer already.
            layers.push_back(CSharedLayers::Pointer(layer, LayerInBlock{block}));
        }
    } catch (...) {
        // The layers never made release their counts here.
        const std::size_t unmade = count - made;
        if (unmade > 0 && block->live.fetch_sub(unmade) == unmade) {
            block->~LayerBlock();
            ::operator delete(memory);
        }
        throw;
    }
}

}  // namespace

CSharedLayers::SharingScope::SharingScope() { ++t_sharingScopes; }

CSharedLayers::SharingScope::~SharingScope() { --t_sharingScopes; }

CSharedLayers::CSharedLayers(const CSharedLayers& other)
{
    *this = other;
}

CSharedLayers& CSharedLayers::operator=(const CSharedLayers& other)
{
    if (this == &other)
        return *this;
    if (t_sharingScopes > 0) {
        m_layers = other.m_layers;
        return *this;
    }
    std::vector<Pointer> copied;
    AppendInOneBlock(copied, other.m_layers.size(),
                     [&](CLayerRec* place, std::size_t r) { return new (place) CLayerRec(*other.m_layers[r]); });
    m_layers = std::move(copied);
    return *this;
}

CLayerRec& CSharedLayers::Mutable(std::size_t r)
{
    Pointer& layer = m_layers[r];
    if (layer.use_count() > 1)
        layer = std::make_shared<CLayerRec>(*layer);
    return *layer;
}

void CSharedLayers::resize(std::size_t n)
{
    if (n <= m_layers.size()) {
        m_layers.resize(n);
        return;
    }
    // Every member of a layer has its own initialiser: "new CLayerRec()" would zero the whole record
    // first and so write it twice.
    AppendInOneBlock(m_layers, n - m_layers.size(), [](CLayerRec* place, std::size_t) { return new (place) CLayerRec; });
}

void CSharedLayers::insert(std::size_t r, const CLayerRec& layer)
{
    m_layers.insert(m_layers.begin() + static_cast<std::ptrdiff_t>(r), std::make_shared<CLayerRec>(layer));
}

void CSharedLayers::erase(std::size_t r)
{
    m_layers.erase(m_layers.begin() + static_cast<std::ptrdiff_t>(r));
}
