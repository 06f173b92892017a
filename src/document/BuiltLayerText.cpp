#include "document/BuiltLayerText.h"

#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// The members of a statement and of a parameter, all of which go into the image: a member added
// to either class must be added to the image too, or two statements differing only there would
// read as equal.
struct LineMembers {
    int number;
    int source;
    std::string text;
    int modified;
    std::string keyword;
    std::vector<CKeywordParam> params;
};
static_assert(sizeof(LineMembers) == sizeof(CKeywordLine), "every member of a statement is in the image");
struct ParamMembers {
    std::string name, value, sourcePrefix, sourceValue;
};
static_assert(sizeof(ParamMembers) == sizeof(CKeywordParam), "every member of a parameter is in the image");

// The image is built in two passes, its length first, and written through a pointer: a save of a
// large device makes it of a few hundred thousand short texts, and appending them one at a time
// would cost a noticeable part of the save.
//
// A length takes one byte below 255, otherwise 255 and four bytes; a number four bytes.
constexpr unsigned char kLongText = 255;

std::size_t TextSize(const std::string& text)
{
    return (text.size() < kLongText ? 1 : 5) + text.size();
}

std::size_t LineSize(const CKeywordLine& line)
{
    std::size_t size = 4 * sizeof(std::int32_t) + TextSize(line.m_strText) + TextSize(line.m_strKeyword);
    for (const CKeywordParam& param : line.m_params)
        size += TextSize(param.m_strName) + TextSize(param.m_strValue) + TextSize(param.m_strSourcePrefix) +
                TextSize(param.m_strSourceValue);
    return size;
}

char* PutNumber(char* out, std::int32_t value)
{
    std::memcpy(out, &value, sizeof value);
    return out + sizeof value;
}

char* PutText(char* out, const std::string& text)
{
    const std::size_t size = text.size();
    if (size < kLongText) {
        *out++ = static_cast<char>(size);
    } else {
        *out++ = static_cast<char>(kLongText);
        out = PutNumber(out, static_cast<std::int32_t>(size));
    }
    // Most texts are a few characters: copied here rather than through a library call each.
    for (std::size_t i = 0; i < size; ++i)
        out[i] = text[i];
    return out + size;
}

}  // namespace

std::string CBuiltLayerText::FreshImage(const CKeywordLineList& fresh)
{
    std::size_t size = 0;
    for (const CKeywordLine& line : fresh.m_lines)
        size += LineSize(line);
    std::string image(size, '\0');
    char* out = image.data();
    for (const CKeywordLine& line : fresh.m_lines) {
        out = PutNumber(out, line.m_nLine);
        out = PutNumber(out, line.m_nSource);
        out = PutNumber(out, line.m_bModified);
        out = PutNumber(out, static_cast<std::int32_t>(line.m_params.size()));
        out = PutText(out, line.m_strText);
        out = PutText(out, line.m_strKeyword);
        for (const CKeywordParam& param : line.m_params) {
            out = PutText(out, param.m_strName);
            out = PutText(out, param.m_strValue);
            out = PutText(out, param.m_strSourcePrefix);
            out = PutText(out, param.m_strSourceValue);
        }
    }
    return image;
}

bool CBuiltLayerText::Answers(const CSharedKeywordLines& oldLines, std::uint64_t macroGeneration,
                              const std::string& freshImage) const
{
    return m_bKnown && m_oldLines.SharesWith(oldLines) && m_nMacroGeneration == macroGeneration &&
           m_freshImage == freshImage;
}

void CBuiltLayerText::Remember(const CSharedKeywordLines& oldLines, std::uint64_t macroGeneration,
                               std::string freshImage, const std::string& bytes)
{
    m_bKnown = true;
    m_oldLines = oldLines;
    m_nMacroGeneration = macroGeneration;
    m_freshImage = std::move(freshImage);
    m_bytes = bytes;
}

void CBuiltLayerText::Forget()
{
    m_bKnown = false;
    m_oldLines = CSharedKeywordLines();
    m_freshImage.clear();
    m_freshImage.shrink_to_fit();
    m_bytes.clear();
    m_bytes.shrink_to_fit();
}
