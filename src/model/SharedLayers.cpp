#include "model/SharedLayers.h"

namespace {

// Number of SharingScope objects alive on this thread.
thread_local int t_sharingScopes = 0;

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
    CSharedLayer::AppendCopies(copied, other.m_layers);
    m_layers = std::move(copied);
    return *this;
}

CLayerRec& CSharedLayers::Mutable(std::size_t r)
{
    Pointer& layer = m_layers[r];
    if (layer.use_count() > 1)
        layer = CSharedLayer::MakeCopy(*layer);
    return *layer;
}

void CSharedLayers::resize(std::size_t n)
{
    if (n <= m_layers.size()) {
        m_layers.resize(n);
        return;
    }
    CSharedLayer::AppendDefaults(m_layers, n - m_layers.size());
}

void CSharedLayers::insert(std::size_t r, const CLayerRec& layer)
{
    m_layers.insert(m_layers.begin() + static_cast<std::ptrdiff_t>(r), CSharedLayer::MakeCopy(layer));
}

void CSharedLayers::erase(std::size_t r)
{
    m_layers.erase(m_layers.begin() + static_cast<std::ptrdiff_t>(r));
}
