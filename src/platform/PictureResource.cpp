#include "platform/PictureResource.h"

#include "PictureResources.h"
#include "platform/BmpReader.h"

#include <cstdint>
#include <vector>

bool CPictureResource::Load(int id, CTextureImage& image)
{
    const unsigned char* bytes = nullptr;
    std::size_t size = 0;
    if (!FindPictureResource(id, &bytes, &size))
        return false;
    return CBmpReader::Decode(std::vector<std::uint8_t>(bytes, bytes + size), image);
}
