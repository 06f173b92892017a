// Fuzz driver for the ".msh" triangle file reader. Besides crashes it checks what the mesh plot
// relies on: a file read in full holds no more triangles than it has vertex lines for, and a
// failed read leaves the elements as they were.

#include "textfiles/MeshFileReader.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::vector<CMeshElement> elements(1);
    const CMeshFileReader::EResult result = CMeshFileReader::Parse(bytes, elements);
    const size_t lines = size_t(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
    if (result == CMeshFileReader::kRead && elements.size() * 3 + 2 > lines)
        std::abort();
    if (result != CMeshFileReader::kRead && elements.size() != 1)
        std::abort();
    return 0;
}
