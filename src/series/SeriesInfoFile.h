#pragma once
// The marker file a parameter series leaves behind. The simulators' batch tools look for it by this
// name, so both kinds of series (text substitution and model based) use the same one.

#include <string>

struct SeriesInfoFile {
    static constexpr const char* kFileName = "series_infos.info";

    // folder + the marker's name; folder ends with a separator or is empty.
    static std::string PathIn(const std::string& folder) { return folder + kFileName; }
};
