#pragma once
// A product picture built into the program (resources/PictureResources.h) as a wx bitmap.

#include <wx/bitmap.h>

class CPictureBitmap {
public:
    // False (bitmap untouched) when picture `id` cannot be loaded.
    static bool Load(int id, wxBitmap& bitmap);
};
