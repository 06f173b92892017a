#pragma once
// Reader of the ".msh" triangle file the mesher tool "shapegen" writes. A text file, read line by
// line (LF or CR LF):
//
//   line 1             ignored
//   line 2             the number of triangles N, from the line's leading integer
//   then per triangle  three vertex lines "x y" (a coordinate that cannot be read stays 0) and
//                      one line that is ignored (it may be missing after the last triangle)
//
// N of 0 or less, or a line 2 without a number, gives no triangles. N is not trusted: a file that
// ends before the vertex lines of its N triangles are all there is cut short and read as nothing.

#include "model/MeshElementList.h"

#include <string>
#include <vector>

class CMeshFileReader {
public:
    enum EResult {
        kRead,        // the triangles were read
        kCannotOpen,  // the file cannot be opened or read
        kCutShort,    // the file ends before its last triangle (or before line 2)
    };

    // Replaces the list's triangles by those of the file (no region, region box 0); on failure
    // the list stays as it was.
    static EResult ReadFile(const std::string& path, CMeshElementList& list);
    // The same from the file's bytes.
    static EResult Parse(const std::string& bytes, std::vector<CMeshElement>& elements);
};
