#pragma once
// A counted reference to one layer of a column's layer list (see SharedLayers.h). Layers made
// together (a column read or copied whole) live side by side in one block, each with its own
// count; the block is freed when its last layer goes. Beside one allocation per column instead of
// one per layer, the count sits next to the layer it counts: reading or dropping a large device
// touches each layer's memory once, with no separate count record per layer scattered over the
// heap.

#include "model/LayerRec.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

class CSharedLayer {
public:
    CSharedLayer() = default;
    CSharedLayer(const CSharedLayer& other) noexcept : m_slot(other.m_slot) { Retain(); }
    CSharedLayer(CSharedLayer&& other) noexcept : m_slot(other.m_slot) { other.m_slot = nullptr; }
    CSharedLayer& operator=(const CSharedLayer& other) noexcept;
    CSharedLayer& operator=(CSharedLayer&& other) noexcept;
    ~CSharedLayer() { Release(); }

    CLayerRec& operator*() const { return m_slot->layer; }
    CLayerRec* operator->() const { return &m_slot->layer; }
    CLayerRec* get() const { return m_slot != nullptr ? &m_slot->layer : nullptr; }
    // The number of references to this layer (0 for an empty reference).
    long use_count() const { return m_slot != nullptr ? static_cast<long>(m_slot->refs.load(std::memory_order_acquire)) : 0; }

    // Appends count default layers, made in one block.
    static void AppendDefaults(std::vector<CSharedLayer>& layers, std::size_t count);
    // Appends a copy of each layer of `from`, the copies made in one block.
    static void AppendCopies(std::vector<CSharedLayer>& layers, const std::vector<CSharedLayer>& from);
    // A layer of its own holding a copy of `layer`.
    static CSharedLayer MakeCopy(const CLayerRec& layer);

private:
    // One layer in its block, with the references to it and its place in the block.
    struct Slot {
        std::atomic<std::uint32_t> refs;
        std::uint32_t index;
        CLayerRec layer;
    };
    struct Block;

    explicit CSharedLayer(Slot* slot) noexcept : m_slot(slot) {}
    void Retain() const noexcept
    {
        if (m_slot != nullptr)
            m_slot->refs.fetch_add(1, std::memory_order_relaxed);
    }
    void Release() noexcept;
    template <class Make>
    static void AppendInOneBlock(std::vector<CSharedLayer>& layers, std::size_t count, Make make);

    Slot* m_slot = nullptr;
};
