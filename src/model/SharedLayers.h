#pragma once
// The layers of a column, each held through its own pointer. A copy of a column is a copy of its
// layers, except the copy the z-segment's copy-on-write makes of a column an undo snapshot shares:
// that one shares every layer with the snapshot's column, and a layer is copied only when the
// column asks to change it (Mutable). An edit of one layer then costs one layer, not the column.
//
// A reference from Mutable is valid for writing until the column is next copied while sharing
// (see SharingScope), as a reference from the z-segment's Column is.

#include "model/LayerRec.h"
#include "model/PointeeIterator.h"
#include "model/SharedLayer.h"

#include <cstddef>
#include <vector>

class CSharedLayers {
public:
    using Pointer = CSharedLayer;

    // Reads the layers in order as const records.
    using const_iterator = CPointeeIterator<CLayerRec, Pointer>;

    // While one lives on this thread, copies of layer lists share their layers instead of copying
    // them.
    class SharingScope {
    public:
        SharingScope();
        ~SharingScope();
        SharingScope(const SharingScope&) = delete;
        SharingScope& operator=(const SharingScope&) = delete;
    };

    CSharedLayers() = default;
    CSharedLayers(const CSharedLayers& other);
    CSharedLayers& operator=(const CSharedLayers& other);
    CSharedLayers(CSharedLayers&&) noexcept = default;
    CSharedLayers& operator=(CSharedLayers&&) noexcept = default;
    ~CSharedLayers() = default;

    std::size_t size() const { return m_layers.size(); }
    bool empty() const { return m_layers.empty(); }
    const CLayerRec& operator[](std::size_t r) const { return *m_layers[r]; }
    const CLayerRec& front() const { return *m_layers.front(); }
    const CLayerRec& back() const { return *m_layers.back(); }
    const_iterator begin() const { return const_iterator(m_layers.begin()); }
    const_iterator end() const { return const_iterator(m_layers.end()); }

    // Layer r for writing: copied first when another column shares it.
    CLayerRec& Mutable(std::size_t r);
    // True when layer r is also held by another column.
    bool IsShared(std::size_t r) const { return m_layers[r].use_count() > 1; }

    // Layers beyond n are dropped; new ones are default layers.
    void resize(std::size_t n);
    void insert(std::size_t r, const CLayerRec& layer);
    void erase(std::size_t r);
    void clear() { m_layers.clear(); }
    void shrink_to_fit() { m_layers.shrink_to_fit(); }

private:
    std::vector<Pointer> m_layers;  // never null
};
