#include "model/SharedLayer.h"

#include "platform/MemoryPages.h"

#include <new>

// The count of layers still alive in a block; the slots follow it.
struct CSharedLayer::Block {
    std::atomic<std::size_t> live;

    static constexpr std::size_t kOffset =
        (sizeof(std::atomic<std::size_t>) + alignof(Slot) - 1) / alignof(Slot) * alignof(Slot);

    Slot* Slots() { return reinterpret_cast<Slot*>(reinterpret_cast<unsigned char*>(this) + kOffset); }
    static Block* Of(Slot* slot)
    {
        return reinterpret_cast<Block*>(reinterpret_cast<unsigned char*>(slot - slot->index) - kOffset);
    }
};

CSharedLayer& CSharedLayer::operator=(const CSharedLayer& other) noexcept
{
    // The other's slot is taken and counted first: the two may be one reference, or two
    // references to one layer.
    Slot* slot = other.m_slot;
    other.Retain();
    Release();
    m_slot = slot;
    return *this;
}

CSharedLayer& CSharedLayer::operator=(CSharedLayer&& other) noexcept
{
    if (this != &other) {
        Release();
        m_slot = other.m_slot;
        other.m_slot = nullptr;
    }
    return *this;
}

void CSharedLayer::Release() noexcept
{
    Slot* slot = m_slot;
    m_slot = nullptr;
    if (slot == nullptr || slot->refs.fetch_sub(1, std::memory_order_acq_rel) != 1)
        return;
    Block* block = Block::Of(slot);
    slot->~Slot();
    if (block->live.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        block->~Block();
        ::operator delete(static_cast<void*>(block));
    }
}

// Appends count layers in one block, slot i made in place by make(place, i) with one reference.
// The block is written whole right away, so its pages are asked for up front.
template <class Make>
void CSharedLayer::AppendInOneBlock(std::vector<CSharedLayer>& layers, std::size_t count, Make make)
{
    if (count == 0)
        return;
    const std::size_t bytes = Block::kOffset + count * sizeof(Slot);
    void* memory = ::operator new(bytes);
    PopulateForWriting(memory, bytes);
    Block* block = new (memory) Block{};
    block->live = count;  // each slot made releases one count when its last reference goes
    std::size_t made = 0;
    try {
        layers.reserve(layers.size() + count);
        while (made < count) {
            Slot* slot = make(block->Slots() + made, static_cast<std::uint32_t>(made));
            ++made;
            layers.push_back(CSharedLayer(slot));
        }
    } catch (...) {
        // The slots never made release their counts here.
        const std::size_t unmade = count - made;
        if (block->live.fetch_sub(unmade) == unmade) {
            block->~Block();
            ::operator delete(memory);
        }
        throw;
    }
}

void CSharedLayer::AppendDefaults(std::vector<CSharedLayer>& layers, std::size_t count)
{
    // The layer is left out of the slot's initialisers on purpose: every member of a layer has its
    // own initialiser, and value-initialising it would zero the whole record first.
    struct DefaultSlot {
        static Slot* Make(void* place, std::uint32_t index)
        {
            Slot* slot = new (place) Slot;
            slot->refs.store(1, std::memory_order_relaxed);
            slot->index = index;
            return slot;
        }
    };
    AppendInOneBlock(layers, count, &DefaultSlot::Make);
}

void CSharedLayer::AppendCopies(std::vector<CSharedLayer>& layers, const std::vector<CSharedLayer>& from)
{
    AppendInOneBlock(layers, from.size(), [&from](void* place, std::uint32_t index) {
        return new (place) Slot{{1}, index, *from[index]};
    });
}

CSharedLayer CSharedLayer::MakeCopy(const CLayerRec& layer)
{
    std::vector<CSharedLayer> one;
    AppendInOneBlock(one, 1, [&layer](void* place, std::uint32_t index) { return new (place) Slot{{1}, index, layer}; });
    return std::move(one.front());
}
