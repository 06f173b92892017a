#pragma once
// The text font and colour of the prompt window and of the hover box as the settings keep them,
// each in its window's section: "prompt-font" = "face, height" (the height in points as a negative
// number, as the font record holds it: "Arial, -10") and "font-color" = the text colour as a
// decimal 0x00BBGGRR. Bold and italic are chosen in the font dialog but not kept.

#include "platform/UserPrompts.h"

#include <string>

class IProfile;

// A face name holds at most this many bytes, as the font record always did; a longer one (from the
// settings or the font dialog) is cut there, never inside a multi-byte character.
constexpr std::size_t kMaxFaceNameBytes = 31;
std::string CutFaceName(const std::string& face);

// Reads the two keys of `section` into `font` where they are present and not empty: the face is
// the text before the first comma, the height the integer after it; the point size is the
// height's magnitude (0: the toolkit's normal size; at most 1000).
void LoadWindowFont(IProfile& profile, const std::string& section, FontChoice& font);
void SaveWindowFont(IProfile& profile, const std::string& section, const FontChoice& font);
