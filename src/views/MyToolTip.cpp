#include "views/MyToolTip.h"

#include "platform/Profile.h"
#include "render/Overlay2d.h"
#include "render/WindowFont.h"

#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/window.h>

#include <algorithm>

namespace {

const char kSection[] = "CMyToolTip";
constexpr int kTextLeft = 5;
constexpr int kTextTop = 4;

wxColour ColourOf(unsigned colorref) { return wxColour(colorref & 0xFF, (colorref >> 8) & 0xFF, (colorref >> 16) & 0xFF); }

// A raised edge of two pixels: light outside and white inside on the top and left, dark grey
// outside and grey inside on the bottom and right.
void DrawRaisedEdge(wxDC& dc, int width, int height)
{
    const struct {
        int inset;
        wxColour topLeft, bottomRight;
    } rings[] = {{0, wxColour(227, 227, 227), wxColour(105, 105, 105)},
                 {1, wxColour(255, 255, 255), wxColour(160, 160, 160)}};
    for (const auto& ring : rings) {
        const int l = ring.inset, t = ring.inset, r = width - 1 - ring.inset, b = height - 1 - ring.inset;
        dc.SetPen(wxPen(ring.topLeft));
        dc.DrawLine(l, b, l, t);
        dc.DrawLine(l, t, r, t);
        dc.SetPen(wxPen(ring.bottomRight));
        dc.DrawLine(r, t, r, b + 1);
        dc.DrawLine(l, b, r, b);
    }
}

} // namespace

void CMyToolTip::LoadSettings(wxWindow* owner)
{
    m_pOwner = owner;
    m_font = FontChoice{"Courier New", 8, false, false, 9};
    LoadWindowFont(Profile(), kSection, m_font);
    m_layout.sizeEstimate = m_font.pointSize;
}

void CMyToolTip::SaveSettings() const { SaveWindowFont(Profile(), kSection, m_font); }

void CMyToolTip::SetLines(std::vector<std::string> lines, unsigned background)
{
    m_lines = std::move(lines);
    m_background = background;
}

wxFont CMyToolTip::MakeFont() const
{
    wxFontInfo info(m_font.pointSize > 0 ? m_font.pointSize : wxNORMAL_FONT->GetPointSize());
    info.FaceName(wxString::FromUTF8(CutFaceName(m_font.faceName))).Bold(m_font.bold).Italic(m_font.italic);
    return wxFont(info);
}

void CMyToolTip::EraseBox()
{
    const int viewHeight = m_pOwner ? m_pOwner->GetSize().y : 0;
    EraseInfoBox(m_layout, viewHeight);
    m_picture.clear();
}

void CMyToolTip::ShowInfo(int x, int y, bool show)
{
    if (!show) {
        EraseBox();
        return;
    }
    if (m_lines.empty() || !m_pOwner) return;
    int longest = 0;
    for (const std::string& line : m_lines) longest = std::max(longest, int(wxString::FromUTF8(line).length()));
    const wxFont font = MakeFont();
    wxBitmap probe(1, 1);
    wxMemoryDC dc(probe);
    dc.SetFont(font);
    const wxSize sample = dc.GetTextExtent(wxString('b', InfoBoxSampleLength(longest)));
    const int lineStep = dc.GetTextExtent("A").y;
    dc.SelectObject(wxNullBitmap);
    MeasureInfoBox(m_layout, sample.x, sample.y, int(m_lines.size()), longest, m_pOwner->GetSize().y, {x, y});
    Picture(font, lineStep);
}

void CMyToolTip::Picture(const wxFont& font, int lineStep)
{
    const int width = m_layout.width, height = m_layout.height;
    wxBitmap bitmap(width, height, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(wxBrush(ColourOf(m_background)));
        dc.Clear();
        DrawRaisedEdge(dc, width, height);
        dc.SetBackgroundMode(wxTRANSPARENT);
        dc.SetFont(font);
        dc.SetTextForeground(ColourOf(m_font.colour));
        for (size_t i = 0; i < m_lines.size(); ++i)
            dc.DrawText(wxString::FromUTF8(m_lines[i]), kTextLeft, kTextTop + int(i) * lineStep);
    }
    const wxImage image = bitmap.ConvertToImage();
    m_picture.assign(image.GetData(), image.GetData() + size_t(width) * size_t(height) * 3);
}

void CMyToolTip::Draw(const CView2dState& view) const
{
    if (!IsShown() || m_picture.empty()) return;
    DrawClientImage2d(view, 0, 0, m_layout.width, m_layout.height, m_picture.data());
}
