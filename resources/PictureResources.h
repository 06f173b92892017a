#pragma once
// The product pictures built into the program: the splash window and About box picture of each
// mode, each the image of an 8-bit bitmap file (drawn at build time by resources/tools).

#include <cstddef>

enum : int {
    IDB_ABOUT_3D = 277,        // About box, 3-D editor: 300 x 222
    IDB_SPLASH_3D = 293,       // splash window, 3-D editor: 420 x 315
    IDB_ABOUT_BUILDER = 297,   // About box, layer builder: 300 x 222
    IDB_SPLASH_BUILDER = 298,  // splash window, layer builder: 420 x 315
};

// The bitmap file image of picture `id`; false for an id the program has no picture for.
bool FindPictureResource(int id, const unsigned char** bytes, std::size_t* size);
