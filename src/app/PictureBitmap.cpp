#include "app/PictureBitmap.h"

#include "platform/PictureResource.h"

#include <wx/image.h>

#include <cstring>

bool CPictureBitmap::Load(int id, wxBitmap& bitmap)
{
    CTextureImage picture;
    if (!CPictureResource::Load(id, picture) || picture.sizeX <= 0 || picture.sizeY <= 0)
        return false;
    // The decoded rows run bottom first, as the bitmap file stores them; a wx image runs top first.
    wxImage image(picture.sizeX, picture.sizeY, false);
    const size_t rowBytes = size_t(picture.sizeX) * 3;
    for (int y = 0; y < picture.sizeY; ++y)
        std::memcpy(image.GetData() + size_t(y) * rowBytes,
                    picture.data.data() + size_t(picture.sizeY - 1 - y) * rowBytes, rowBytes);
    bitmap = wxBitmap(image);
    return bitmap.IsOk();
}
