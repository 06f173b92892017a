#pragma once
// The stand-in mesher tools of the tests (scripts in tests/tools): "stackgen" writes NAME.geo for
// NAME.layer, "shapegen" writes NAME.msh for NAME.geo, always the same five triangles (two in each
// of the rectangles (0..4, 0..1) and (0..4, 1..2), one at x 6..7 outside both);
// "failing/shapegen" exits with 3 and "silent/shapegen" writes nothing.

#include <string>

// Path of a stand-in script, e.g. "shapegen" or "failing/shapegen".
std::string StandInToolPath(const std::string& script);

// Copies the script to root/dataFolder/name (folders made as needed), executable unless told
// otherwise; returns the path of the copy.
std::string InstallStandInTool(const std::string& root, const std::string& dataFolder, const std::string& script,
                               const std::string& name, bool executable = true);

// Both stand-in tools under their plain names in root/dataFolder.
void InstallStandInTools(const std::string& root, const std::string& dataFolder = "tarnel");
