#pragma once
// Saves the z-segments a series point changed into the point's value folder, each under the name
// of its own ".layer" file, so the changed file takes the place of the unchanged copy of the root
// folder that the simulator would otherwise read.

#include <string>
#include <vector>

class CTessaronDoc;

class CSeriesPointSave {
public:
    // The file name of z-segment zseg (from 0) in a value folder: the name of the z-segment's own
    // ".layer" file; for a z-segment without one, the root file's name when the root is a ".layer"
    // file, else the root's title + ".layer" (numbered after the first z-segment).
    static std::string FileNameOf(const CTessaronDoc& doc, int zseg, const std::string& rootPath);
    // Writes each of the z-segments into folder; false after a message naming the file that could
    // not be written.
    static bool SaveInto(CTessaronDoc& doc, const std::vector<int>& zsegs, const std::string& folder,
                         const std::string& rootPath);
};
