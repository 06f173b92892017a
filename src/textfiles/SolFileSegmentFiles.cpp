// The z-segment files of a saved deck, adjusted once the deck and the ".layer" files are written so
// that they refer to each other under their present names: the "previous_layer" statement chaining
// each ".layer" file to the one before, the "$xrange"/"$yrange" lines with a z-segment's lateral
// extent, the first z-segment's ".gain" file under its new name, and the include statements inside
// the companion files.
//
// A file that cannot be read is left alone: nothing is ever written back in place of a file whose
// content was not read.

#include "textfiles/SolFile.h"

#include "platform/NumberText.h"
#include "platform/Path.h"
#include "platform/StringUtil.h"


namespace {

const char kXRange[] = "$xrange";
const char kYRange[] = "$yrange";

// The text split into whole lines, each with its line end.
std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

// The statement chaining a z-segment's ".layer" file to the previous one's, in the one form it is
// written in (its own text on one line); `number` keeps the place of a statement it replaces.
CKeywordLine PreviousLayerLine(const std::string& previous, int number)
{
    CKeywordLine line;
    line.Parse(StrFormat("previous_layer  file=%s", previous.c_str()));
    line.m_nLine = number;
    return line;
}

}  // namespace

void CSolFile::UpdatePreviousLayer()
{
    const int count = ZSegmentsInUse();
    if (count == 0)
        return;
    std::string previous;
    for (int k = 0; k < count; ++k) {
        const std::string& path = m_pDoc->zsegs[static_cast<std::size_t>(k)].m_strLayerFile;
        CKeywordLineList list;
        if (LoadFlat(path, list)) {
            if (k == 0) {
                // The first z-segment follows none.
                for (int i = 0; i < list.GetCount(); ++i)
                    if (list[i].m_strKeyword == "previous_layer") {
                        list.RemoveLine(i);
                        break;
                    }
            } else {
                int lastBegin = -1;
                bool found = false;
                for (int i = 0; i < list.GetCount() && !found; ++i) {
                    if (list[i].m_strKeyword == "begin_layer")
                        lastBegin = i;
                    if (list[i].m_strKeyword == "previous_layer") {
                        // Written in one form whether it is new, renamed or unchanged, so that a
                        // saved deck saved again gives the same bytes.
                        if (list[i].GetParam("file") != previous)
                            list[i] = PreviousLayerLine(previous, list[i].m_nLine);
                        found = true;
                    }
                }
                if (!found) {
                    CKeywordLineList inserted;
                    inserted.Append(PreviousLayerLine(previous, 0));
                    list.InsertLines(lastBegin + 1, inserted);
                }
            }
            StoreBytes(path, list.StoreFlatText());
        }
        previous = PathFileTitle(path) + ".layer";
    }
}

bool CSolFile::GetSegmentBounds(int index, float& minX, float& maxX, float& minY, float& maxY)
{
    if (!m_pDoc || index < 0 || index >= static_cast<int>(m_pDoc->zsegs.size()))
        return false;
    // Measured on a laid-out copy: the ".layer" file is already written from the records, which
    // must stay what it holds.
    const CSharedColumns columns = m_pDoc->zsegs[static_cast<std::size_t>(index)].ColumnsLaidOutForSave();
    bool widened = false;
    for (const CColumnRec& column : columns)
        for (int r = 0; r < column.GetLayersInUse(); ++r)
            widened = column.GetLayer(r).ExtendBounds(minX, maxX, minY, maxY) || widened;
    return widened;
}

void CSolFile::RewriteRanges(int index)
{
    float minX = 1e10f, maxX = -1e10f, minY = 1e10f, maxY = -1e10f;
    if (!GetSegmentBounds(index, minX, maxX, minY, maxY))
        return;
    const std::string& path = m_pDoc->zsegs[static_cast<std::size_t>(index)].m_strLayerFile;
    std::string text;
    if (!ReadBytes(path, text))
        return;
    // The range lines take the line end the file has.
    const std::string end = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    const std::string x = StrFormat("$xrange %f %f", double(minX), double(maxX)) + end;
    const std::string y = StrFormat("$yrange %f %f", double(minY), double(maxY)) + end;
    std::string out;
    bool hasX = false, hasY = false;
    for (const std::string& line : SplitLines(text)) {
        if (Contains(line, kXRange)) {
            out += x;
            hasX = true;
        } else if (Contains(line, kYRange)) {
            out += y;
            hasY = true;
        } else {
            out += line;
        }
    }
    if (!out.empty() && out.back() != '\n')
        out += end;
    if (!hasX)
        out += x;
    if (!hasY)
        out += y;
    StoreBytes(path, out);
}

void CSolFile::CopyCompanionFiles(const std::string& oldLayer, const std::string& newLayer, const std::string& extension)
{
    if (oldLayer.empty() || newLayer.empty())
        return;
    const std::string from = PathStripExtension(oldLayer) + extension;
    const std::string to = PathStripExtension(newLayer) + extension;
    std::string bytes;
    if (FileIsThere(to) || !ReadBytes(from, bytes))
        return;
    StoreBytes(to, bytes);
}

void CSolFile::RenameCompanionIncludes(const std::string& extension)
{
    const int count = ZSegmentsInUse();
    if (count < 1 || !FileIsThere(PathStripExtension(m_pDoc->zsegs[0].m_strLayerFile) + extension))
        return;
    for (int k = 0; k < count; ++k) {
        const std::string& layer = m_pDoc->zsegs[static_cast<std::size_t>(k)].m_strLayerFile;
        const std::string path = PathStripExtension(layer) + extension;
        CKeywordLineList list;
        // A z-segment without such a file gets none.
        if (!LoadFlat(path, list))
            continue;
        for (CKeywordLine& line : list.m_lines) {
            line.m_bModified = 0;
            if (line.m_strKeyword == "include")
                line.SetParam("file", PathFileTitle(layer) + PathExtension(line.GetParam("file")), true);
        }
        StoreBytes(path, list.StoreFlatText());
    }
}
