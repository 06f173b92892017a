#include "textfiles/MeshFileReader.h"

#include "platform/FileIO.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <cstring>

namespace {

// Walks the lines of a text held in memory without copying them.
class LineCursor {
public:
    explicit LineCursor(const std::string& bytes) : m_p(bytes.data()), m_end(bytes.data() + bytes.size()) {}

    // The next line without its line end; false at the end of the text.
    bool Next(const char*& begin, const char*& end)
    {
        if (m_p >= m_end)
            return false;
        begin = m_p;
        const void* lf = std::memchr(m_p, '\n', std::size_t(m_end - m_p));
        end = lf ? static_cast<const char*>(lf) : m_end;
        m_p = lf ? end + 1 : m_end;
        if (end > begin && end[-1] == '\r')
            --end;
        return true;
    }
    std::size_t Remaining() const { return std::size_t(m_end - m_p); }

private:
    const char* m_p;
    const char* m_end;
};

// "%f %f": x, then y after it; a number that is not there leaves its coordinate (and y) at 0.
CPoint3f ReadVertex(const char* begin, const char* end)
{
    CPoint3f vertex;
    std::size_t used = 0;
    vertex.x = StrToF(begin, end, &used);
    if (used == 0)
        return vertex;
    vertex.y = StrToF(begin + used, end);
    return vertex;
}

}  // namespace

CMeshFileReader::EResult CMeshFileReader::Parse(const std::string& bytes, std::vector<CMeshElement>& elements)
{
    LineCursor lines(bytes);
    const char* begin = nullptr;
    const char* end = nullptr;
    if (!lines.Next(begin, end) || !lines.Next(begin, end))
        return kCutShort;
    const long count = AtoL(std::string(begin, end));
    std::vector<CMeshElement> read;
    if (count > 0)
        read.reserve(std::min<std::size_t>(std::size_t(count), lines.Remaining() / 3 + 1));
    for (long t = 0; t < count; ++t) {
        CMeshElement element;
        for (CPoint3f& vertex : element.m_Vertex) {
            if (!lines.Next(begin, end))
                return kCutShort;
            vertex = ReadVertex(begin, end);
        }
        lines.Next(begin, end);
        read.push_back(element);
    }
    elements.swap(read);
    return kRead;
}

CMeshFileReader::EResult CMeshFileReader::ReadFile(const std::string& path, CMeshElementList& list)
{
    std::string bytes;
    if (!ReadFileBytes(path, bytes))
        return kCannotOpen;
    return Parse(bytes, list.m_Elements);
}
