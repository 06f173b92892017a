#include "render/OutlineFont.h"

#include <FTGL/ftgl.h>
#include <fontconfig/fontconfig.h>

#include <memory>

namespace {

// Glyphs are read at this size (pixels per em) and scaled down to one em.
constexpr unsigned kFaceSize = 64;

} // namespace

std::string COutlineFont::FindFontFile()
{
    std::string file;
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (!config) return file;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("Arial:bold"));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(config, pattern, &result)) {
        FcChar8* path = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path)
            file = reinterpret_cast<const char*>(path);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    FcConfigDestroy(config);
    return file;
}

bool COutlineFont::Build()
{
    // Every list exists, also for codes without a glyph, so a label never calls an unknown list.
    for (int c = 0; c < kGlyphCount; ++c) {
        glNewList(kListBase + c, GL_COMPILE);
        glEndList();
    }
    m_built = false;
    const std::string file = FindFontFile();
    if (file.empty()) return false;
    auto font = std::make_unique<FTExtrudeFont>(file.c_str());
    if (font->Error() || !font->FaceSize(kFaceSize)) return false;
    font->Depth(kExtrusion * kFaceSize);
    // The glyphs are compiled into our own lists, which must not hold FTGL's list calls.
    font->UseDisplayList(false);
    const float em = 1.0f / kFaceSize;
    for (int c = 32; c < kGlyphCount; ++c) {
        if (c >= 127 && c < 160) continue; // control codes
        const wchar_t text[2] = {wchar_t(c), 0};
        const float advance = font->Advance(text);
        glNewList(kListBase + c, GL_COMPILE);
        glPushMatrix();
        glScalef(em, em, em);
        font->Render(text);
        glPopMatrix();
        glTranslatef(advance * em, 0.0f, 0.0f);
        glEndList();
    }
    m_built = true;
    return true;
}

void COutlineFont::Delete()
{
    glDeleteLists(kListBase, kGlyphCount);
    m_built = false;
}

void COutlineFont::DrawLabel(const std::string& text) const
{
    if (!m_built || text.empty()) return;
    glPushAttrib(GL_LIST_BIT);
    glListBase(kListBase);
    glCallLists(GLsizei(text.size()), GL_UNSIGNED_BYTE, text.data());
    glPopAttrib();
}
