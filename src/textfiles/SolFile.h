#pragma once
// The handler of the ".sol" deck, the input deck of a 3-D device simulation. The document makes
// one for each read or write, gives it what it works on (SetDocument) and drops it afterwards.
//
// The deck is a flat list of keyword statements (loaded and stored without numbering or include
// expansion), in this shape:
//
//   $ comments
//   begin
//   3d_solution_method 3d_flow=no|yes
//   z_structure zseg_num=k uniform_zseg_from=.. uniform_zseg_to=..      (position form), or
//               zseg_num=k uniform_length=.. taper_length=..            (length form),
//               zplanes=.. link_taper_contact=.. taper_line=n taper_points1=(bottom-x top-x) ..
//   load_mesh mesh_inf=<title>.msh zseg_num=k      one per z-segment; <title>.layer beside the deck
//   output sol_outf=<title>.out zseg_num=k
//   begin_zmater zseg_num=k / include file=<title>.gain|.doping|.mater ... / end_zmater
//   newton_par, equilibrium, scan, ... (solver steps)
//   end
//   begin_zsol / section length=<metres> sec_num=i mesh_points=m ... / end_zsol
//
// "zseg_num" counts z-segments from 1. Sections run along z from 0, each inside one z-segment's
// extent or inside the gap (taper region) after it; their lengths are in metres, the z extents in
// micrometres. A deck without "z_structure" statements has one z-segment when it has sections and
// none otherwise (a 2-D deck: its ".layer" file is named after the deck). A deck with
// "3dflow_segment" or "taper3d" statements is of an older form and is refused.
//
// Sources by subject:
//   SolFile.cpp             handler, simulator target
//   SolFileRead.cpp         reading a deck into the z-segments and their ".layer" files
//   SolFileZStructure.cpp   z extents, taper points, sections, solution method
//   SolFileRoutines.cpp     loading a deck, telling its simulator and form, material blocks
//   SolFileDefaultDeck.cpp  the default decks of the corvex and the lumivo simulator

#include <string>
#include <vector>

#include "statements/KeywordLine.h"
#include "statements/KeywordLineList.h"
#include "textfiles/SolDocument.h"

class CSolFile {
public:
    // A device has at most CZSegment::kMaxZSegments z-segments, so a deck at most that many
    // "z_structure" statements; and at most kMaxSections "section" statements.
    static constexpr int kMaxSections = 200;
    // How far a section may reach past the z extent or gap it lies in, in z-position units.
    static constexpr float kSectionTolerance = 0.001f;

    CSolFile() = default;
    virtual ~CSolFile() = default;
    CSolFile(const CSolFile&) = delete;
    CSolFile& operator=(const CSolFile&) = delete;

    // What the handler works on; nullptr leaves it without a document.
    void SetDocument(CSolDocument* document) { m_pDoc = document; }
    // The deck being written: its title names the output of a flow deck.
    void SetDestinationPath(const std::string& path) { m_strDestinationPath = path; }
    const std::string& GetDestinationPath() const { return m_strDestinationPath; }
    // The simulator decks are written for: the document's product code (1 corvex, 2 lumivo), or 2
    // without a document.
    int GetSimulatorTarget() const;

    // --- Reading a deck (SolFileRead.cpp) ---
    // Reads the deck and every z-segment's ".layer" file into the document: 1 when all were read,
    // 0 after a message when not (the document then holds what was read so far, and the caller
    // renews it). On success the document's settings hold the deck's z-segment count, solution
    // method, z-extent form and cylinder flag. A deck that cannot be opened in 11 tries, 500 ms
    // apart, ends the program after "cannt read 3d sol file!".
    int ReadSolFile(const std::string& path);
    // The z-segment count and the material blocks: 0 after a message for a deck of the old form or
    // one that does not fit the records; otherwise the 40 records cleared and the blocks read.
    int SetupZSegments(const std::string& path);
    // Each z-segment's ".layer" path from its "load_mesh" statement, in the deck's folder.
    void ReadLoadMeshStatements(const std::string& folder);
    // True when a "layer_mater" or "layer" statement of a z-segment file gave a layer an upper edge
    // width of its own (see CLayerStatementReader::HasReadUpperWidth).
    bool HasReadUpperWidth() const { return m_bUpperWidthRead; }

    // --- Z extents, taper points and sections (SolFileZStructure.cpp) ---
    // 1 when every section lies inside a z-segment's extent or the gap after it; else 0 after
    // "The section length is not correct!".
    int CheckZStructure();
    // The z extents, z planes, taper links and taper points of the z-segments, and their section
    // records. 0 after "The section length is not correct!" when a section finds no place.
    int ReadZStructure();
    void ReadSegmentZStructure();
    void ReadZStructureLine(const CKeywordLine& statement);
    // A taper vertex "(bottom-x top-x)": 0 for an empty text, else 1 with both values (a text
    // without a blank gives 0 and its whole number).
    static int ParseTaperPoint(std::string text, float* first, float* second);
    // The sum of the section lengths, in z-position units.
    float ReadSectionLengths() const;
    // Gives z-segment j the sections of the j-th extent (starts, ends) and of the gap after it (up
    // to nexts): kind 0 inside, kind 1 in the gap, each with its share of the extent or gap. Every
    // list ends with a gap record. False when a section found no place.
    bool BuildSegmentSections(std::vector<float> starts, std::vector<float> ends, std::vector<float> nexts,
                              const std::vector<float>& lengths);
    // The n-th "section" statement (from 0) as "section name=value ..."; "" when there are fewer.
    std::string GetSectionText(int n) const;
    // The "3d_flow" value of the last "3d_solution_method" statement ("no" without one).
    void ReadSolutionMethod();
    // Flags the columns whose right edges are the taper vertices.
    void SnapSegmentColumns();

    // --- Deck routines (SolFileRoutines.cpp) ---
    // Empties the list and loads the deck flat; a deck that cannot be opened leaves it empty and
    // gives false.
    static bool ReadDeckFile(const std::string& path, CKeywordLineList& list);
    // The simulator a deck was written for: 2 when it has "begin_zsol", 1 when it has any other
    // statement besides comments, "begin" and "end", -1 otherwise and for a file whose name holds
    // no ".sol" (not read).
    static int DetectDeckSimulator(const std::string& path);
    // 0 when the first "z_structure" statement with a z extent gives positions, 1 lengths; 0 when
    // none gives one.
    static int ReadUniformZStructure(const CKeywordLineList& list);
    void ReadCylindrical();
    // Warns when the deck was written for the other simulator; reading goes on.
    void CheckSimulatorMatch();
    // The material blocks of a 3-D deck into the z-segments, with their companion files.
    void ReadZmaterBlocks(const std::string& path);
    // A 2-D deck as one z-segment named after the deck, with its include statements.
    void Read2DMaterials(const std::string& path);

    // --- Default decks (SolFileDefaultDeck.cpp) ---
    // Fills the list with the default deck of the target simulator and writes the z-segments'
    // companion files. False, with the list as it was, for a target that is neither simulator;
    // false after a message when a companion file could not be written.
    bool WriteDefaultDeck(CKeywordLineList& list);
    bool WriteCorvexDeck(CKeywordLineList& list);
    bool WriteLumivoDeck(CKeywordLineList& list);

private:
    // A z-segment's companion files: the statement group each fills and the extension it has.
    struct Companion {
        int group;
        const char* extension;
        CKeywordLineList CZSegment::*lines;
    };
    static const Companion kCompanions[3];

    // The z extents of the "z_structure" statements, in statement order, and where each next one
    // starts (0 after the last).
    struct ZExtents {
        std::vector<float> starts;
        std::vector<float> ends;
        std::vector<float> nexts;
    };
    // form 0 positions, 1 lengths, kFormPerStatement: positions for a statement that has
    // "uniform_zseg_from", lengths for any other.
    static constexpr int kFormPerStatement = -1;
    ZExtents ReadZExtents(int form) const;
    std::vector<float> ReadSectionLengthList() const;
    bool DeckFitsRecords() const;
    bool ReadSegmentLayerFile(int index);
    void LoadCompanionFiles(CZSegment& segment, const std::string& deckPath, const CKeywordLine& include);
    bool WriteDeck(CKeywordLineList& list, bool lumivo);
    bool AppendMaterialBlock(CKeywordLineList& list, int k, bool lumivo);
    void AppendZStructure(CKeywordLineList& list, int k) const;
    void AppendSections(CKeywordLineList& list);
    int ZSegmentsInUse() const;

    CSolDocument* m_pDoc = nullptr;
    std::string m_strDestinationPath;
    int m_nZExtentForm = 0;        // 1 when the deck read gives z extents as lengths
    double m_dRunningZ = 0.0;      // start of the next z-segment while lengths are read
    bool m_bUpperWidthRead = false;
};
