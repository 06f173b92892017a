#include "render/WindowFont.h"

#include "platform/NumberText.h"
#include "platform/Profile.h"

#include <algorithm>
#include <cstdlib>

namespace {

const char kFontKey[] = "prompt-font";
const char kColourKey[] = "font-color";

// A height from a damaged settings file could ask the toolkit for a font of billions of points.
constexpr int kLargestPointSize = 1000;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

} // namespace

std::string CutFaceName(const std::string& face)
{
    if (face.size() <= kMaxFaceNameBytes) return face;
    std::size_t end = kMaxFaceNameBytes;
    while (end > 0 && IsContinuationByte(face[end])) --end;
    return face.substr(0, end);
}

void LoadWindowFont(IProfile& profile, const std::string& section, FontChoice& font)
{
    const std::string text = profile.GetProfileString(section, kFontKey, "");
    if (!text.empty()) {
        const std::size_t comma = text.find(',');
        font.faceName = CutFaceName(text.substr(0, comma));
        const long height = comma == std::string::npos ? 0 : AtoI(text.substr(comma + 1));
        font.pointSize = int(std::min<long>(std::labs(height), kLargestPointSize));
    }
    const std::string colour = profile.GetProfileString(section, kColourKey, "");
    if (!colour.empty()) font.colour = unsigned(AtoI(colour));
}

void SaveWindowFont(IProfile& profile, const std::string& section, const FontChoice& font)
{
    profile.WriteProfileString(section, kFontKey, CutFaceName(font.faceName) + ", " + std::to_string(-font.pointSize));
    profile.WriteProfileString(section, kColourKey, std::to_string(int(font.colour)));
}
