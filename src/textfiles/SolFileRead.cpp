// Reading a deck: its statements, then every z-segment's ".layer" file, then the deck again for
// the z extents, tapers, sections and settings.

#include "textfiles/SolFile.h"

#include "platform/AppServices.h"
#include "platform/Archive.h"
#include "platform/Clock.h"
#include "platform/FatalExit.h"
#include "platform/NumberText.h"
#include "platform/Path.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"
#include "statements/LoadContext.h"
#include "textfiles/ContactMacroLines.h"
#include "textfiles/LayerFileContext.h"
#include "textfiles/LayerStatementReader.h"
#include "textfiles/LayerStructureFault.h"

#include <algorithm>

namespace {

const char kCannotRead[] = "cannt read 3d sol file!";
const char kOldForm[] = "It is the old sol file!";
const char kTwoD[] = "It will open 2d sol file!";
const char kNoLayerFile[] = "Can't find correct layer file!";
const char kDataError[] = "File data error!";

// Where statement `index` of a deck read flat begins, as a physical line from 1: each
// statement's raw text holds the blank lines before it and its continuation lines.
int FlatStatementLine(const std::vector<CKeywordLine>& lines, int index)
{
    int line = 1;
    for (int i = 0; i < index; ++i) {
        const std::string& raw = lines[static_cast<std::size_t>(i)].m_strText;
        line += static_cast<int>(std::count(raw.begin(), raw.end(), '\n')) + 1;
    }
    const std::string& raw = lines[static_cast<std::size_t>(index)].m_strText;
    const std::size_t first = raw.find_first_not_of(" \t\r\n");
    const std::string blanks = raw.substr(0, first == std::string::npos ? raw.size() : first);
    return line + static_cast<int>(std::count(blanks.begin(), blanks.end(), '\n'));
}

// The statement for a message: its physical lines without the blank ones before it, each
// continuation mark dropped and the lines joined by one blank.
std::string StatementText(const std::string& raw)
{
    std::string text;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = raw.find('\n', start);
        std::string piece = Trim(raw.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (EndsWith(piece, "&&"))
            piece = TrimRight(piece.substr(0, piece.size() - 2));
        if (!piece.empty())
            text += (text.empty() ? "" : " ") + piece;
        if (end == std::string::npos)
            return text;
        start = end + 1;
    }
}

bool IsZSegmentNumber(const std::string& value)
{
    const int number = AtoI(value);
    return number >= 1 && number <= CZSegment::kMaxZSegments;
}

}  // namespace

int CSolFile::ReadSolFile(const std::string& path)
{
    if (!m_pDoc)
        return 0;
    m_bUpperWidthRead = false;
    m_strReadPath = path;
    if (!RetryAfterFailure(kFileOpenRetries, kFileOpenRetryDelayMs, [&] { return ReadDeckFile(path, m_pDoc->lines); })) {
        AfxMessageBox(kCannotRead, MB_OK);
        FatalExit(-1);
    }

    if (!CheckZStructure() || !SetupZSegments(path))
        return 0;
    ReadLoadMeshStatements(PathFolder(path));
    for (int i = 0; i < ZSegmentsInUse(); ++i) {
        if (!ReadSegmentLayerFile(i))
            return 0;
        if (m_pDoc->segmentRead)
            m_pDoc->segmentRead(i);
    }

    // The deck's statements again, in place of the last ".layer" file's.
    if (!ReadDeckFile(path, m_pDoc->lines)) {
        AfxMessageBox(kCannotRead, MB_OK);
        return 0;
    }
    if (!ReadZStructure())
        return 0;
    ReadSolutionMethod();
    SnapSegmentColumns();
    ReadCylindrical();
    CheckSimulatorMatch();
    m_pDoc->settings.lengthForm = m_nZExtentForm;
    return 1;
}

std::string CSolFile::DeckDataErrorText(int statement) const
{
    if (m_strReadPath.empty())
        return kDataError;
    std::string text = std::string(kDataError) + "\n" + m_strReadPath;
    const std::vector<CKeywordLine>& lines = m_pDoc->lines.m_lines;
    if (statement >= 0 && statement < static_cast<int>(lines.size()))
        text += ", line " + std::to_string(FlatStatementLine(lines, statement)) + ": " +
                StatementText(lines[static_cast<std::size_t>(statement)].m_strText);
    return text;
}

int CSolFile::SetupZSegments(const std::string& path)
{
    if (!m_pDoc)
        return 0;
    const int count = m_pDoc->lines.GetZSegmentCount();
    if (count < 0) {
        m_pDoc->settings.zsegCount = 0;
        AfxMessageBox(kOldForm, MB_OK);
        return 0;
    }
    const int misfit = FindRecordMisfit();
    if (misfit >= 0) {
        m_pDoc->settings.zsegCount = 0;
        AfxMessageBox(DeckDataErrorText(misfit), MB_OK);
        return 0;
    }
    m_pDoc->settings.zsegCount = count;
    m_pDoc->zsegs.resize(CZSegment::kMaxZSegments);
    for (CZSegment& segment : m_pDoc->zsegs)
        segment.Clear();
    if (count == 0) {
        AfxMessageBox(kTwoD, MB_OK | MB_ICONINFORMATION);
        Read2DMaterials(path);
    } else {
        ReadZmaterBlocks(path);
    }
    return 1;
}

// Every z-segment a statement names must be one of the records, and the z extents and sections
// must fit the tables they are read into. The number of any statement ("output", "scan", the
// material blocks and their statements as well as "z_structure" and "load_mesh") is checked: the
// passes of a later save go by it.
int CSolFile::FindRecordMisfit() const
{
    int zStructures = 0;
    int sections = 0;
    const std::vector<CKeywordLine>& lines = m_pDoc->lines.m_lines;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const CKeywordLine& line = lines[static_cast<std::size_t>(i)];
        const std::string& keyword = line.m_strKeyword;
        const std::string number = line.GetParam("zseg_num");
        if (keyword == "z_structure") {
            // Its extents are stored by this number: it must be there.
            if (!IsZSegmentNumber(number) || ++zStructures > CZSegment::kMaxZSegments)
                return i;
        } else if (keyword == "section") {
            if (++sections > kMaxSections)
                return i;
        } else if (!number.empty() && !IsZSegmentNumber(number)) {
            return i;
        }
    }
    return -1;
}

void CSolFile::ReadLoadMeshStatements(const std::string& folder)
{
    if (!m_pDoc)
        return;
    for (const CKeywordLine& line : m_pDoc->lines.m_lines) {
        if (line.m_strKeyword != "load_mesh")
            continue;
        const std::string number = line.GetParam("zseg_num");
        const int index = number.empty() ? 0 : AtoIndex(number);
        const std::string mesh = line.GetParam("mesh_inf");
        if (index < 0 || index >= static_cast<int>(m_pDoc->zsegs.size()) || mesh.empty())
            continue;
        // The mesh file dev1.msh goes with the layer file dev1.layer.
        m_pDoc->zsegs[static_cast<std::size_t>(index)].m_strLayerFile = folder + mesh.substr(0, mesh.find('.')) + ".layer";
    }
}

bool CSolFile::ReadSegmentLayerFile(int index)
{
    CZSegment& segment = m_pDoc->zsegs[static_cast<std::size_t>(index)];
    const std::string path = segment.m_strLayerFile;
    CArchive archive;
    if (!archive.OpenLoad(path)) {
        // The second line says which file was looked for, or that the deck names none.
        const std::string which = path.empty() ? StrFormat("z-segment %d names no file (no load_mesh statement)", index + 1)
                                               : path;
        AfxMessageBox(std::string(kNoLayerFile) + "\n" + which, MB_OK);
        return false;
    }
    // Each file is numbered on its own, whatever was read before it.
    CKeywordLineList& lines = m_pDoc->lines;
    lines.RemoveAll();
    CLoadContext context;
    const bool loaded = lines.Serialize(archive, context);
    archive.Close();
    if (!loaded)
        return false;  // the load has said which included file it could not read
    // The read changes only contact statements (into the model's form): without any, the loaded
    // list itself becomes the material set once the read is done (nothing reads it after that,
    // the next file or the deck's statements replace it); with some, the file's form is copied
    // before.
    const bool readChangesLines = HasContactMacroLines(lines);
    m_pDoc->materialSets.push_back(readChangesLines ? CMaterialSet::FromLoad(context, lines, path)
                                                    : CMaterialSet::FromLoad(context, CSharedKeywordLines(), path));
    const std::size_t set = m_pDoc->materialSets.size() - 1;

    CLayerFileContext layerFile{m_pDoc->zsegs, ZSegmentsInUse(), lines, nullptr, m_pDoc->vcselSections,
                                m_pDoc->macros};
    CLayerStatementReader reader(layerFile);
    const int read = reader.ReadLayerStatements(index);
    if (read == 0) {
        AfxMessageBox(LayerDataErrorText(path, lines), MB_OK);
        return false;
    }
    if (!readChangesLines) {
        m_pDoc->materialSets[set].m_Lines = CSharedKeywordLines(std::move(lines));
        lines.RemoveAll();
    }
    m_bUpperWidthRead = m_bUpperWidthRead || reader.HasReadUpperWidth();
    AppServices().LoadLayerMacros(path);
    return true;
}
