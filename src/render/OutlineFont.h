#pragma once
// The 3-D view's outline font: 256 display lists, one per character code, each drawing the bold
// glyph of that code as filled polygons extruded 0.08 deep along -z, in units of the font's em
// height, and advancing the current position by the glyph's width. A label is then one
// glCallLists of its bytes. The glyphs come from a system TrueType font found through fontconfig
// (the sans-serif bold face that stands in for "Arial"), turned into polygons by FTGL.

#include <GL/gl.h>

#include <string>

class COutlineFont {
public:
    static constexpr GLuint kListBase = 1000;
    static constexpr int kGlyphCount = 256;
    static constexpr float kExtrusion = 0.08f;

    COutlineFont() = default;
    ~COutlineFont() = default;
    COutlineFont(const COutlineFont&) = delete;
    COutlineFont& operator=(const COutlineFont&) = delete;

    // Builds the lists kListBase .. kListBase + 255 in the current context (replacing any lists of
    // those numbers). False, with the lists left empty, when no font file can be read.
    bool Build();
    // Deletes the lists from the current context.
    void Delete();
    bool IsBuilt() const { return m_built; }

    // Draws a label at the current position through the lists (nothing before Build).
    void DrawLabel(const std::string& text) const;

    // The file of the bold sans-serif face closest to "Arial"; empty when fontconfig knows none.
    static std::string FindFontFile();

private:
    bool m_built = false;
};
