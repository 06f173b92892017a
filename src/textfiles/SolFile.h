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
//   SolFileConvert.cpp      saving a deck: a new default deck, or the conversion of the old one
//   SolFilePasses.cpp       the conversion's passes over the z-segment statements of a deck
//   SolFileStatements.cpp   the small statement passes (extents, macros, cylinder, outputs, ...)
//   SolFileMaterials.cpp    the material blocks of a converted deck
//   SolFileSegmentFiles.cpp the z-segment files of a saved deck: "previous_layer", range lines,
//                           companion files
//   SolFileFiles.cpp        where the writing routines read and write: the save's file set or disk
//
// A save stages every file it writes in one file set (SetFileTransaction), which the document
// commits when all are ready, so that a deck is saved with all its files or not at all.

#include <string>
#include <vector>

#include "platform/FileTransaction.h"
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
    // The file set a save writes into and reads its own files back from; nullptr (the default)
    // reads and writes the files on disk at once.
    void SetFileTransaction(CFileTransaction* files) { m_pFiles = files; }
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
    // "The section length is not correct!" (or "File data error!" for more than kMaxSections).
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

    // --- Saving a deck (SolFileConvert.cpp) ---
    // The deck of the document at destination: newDeck a new default deck, otherwise the source
    // deck converted for the current device. False after a message when the source deck cannot be
    // read (nothing is written then) or a file cannot be written (without a file set).
    bool ConvertSolFile(const std::string& source, const std::string& destination, bool newDeck);
    bool ConvertToSol3D(const std::string& source, const std::string& destination, bool newDeck);
    // A default deck for the current device, stored at path.
    bool CreateDefaultSolFile(const std::string& path);
    // True when a deck saved over a document whose file is previous is a new deck: the name is
    // 2 characters or shorter or holds no ".sol" after its first character.
    static bool IsNewDeckSource(const std::string& previous);

    // --- Passes over the z-segment statements (SolFilePasses.cpp) ---
    // A new deck's per-z-segment solver statements: missing equilibrium statements (lumivo), or
    // equilibrium, rtgain_phase and the scans of z-segment 1 repeated for every z-segment (3d_flow
    // "no"), or only z-segment 1's kept (3d_flow "yes").
    void AddZsegNumbers(CKeywordLineList& list, CKeywordLineList second);
    void AddSegmentStatementsIsolated(CKeywordLineList& list);
    void AddSegmentStatementsFlow(CKeywordLineList& list);
    // Every z-segment without a section record gets one.
    void AddDefaultSections();
    // The read deck's z_structure, load_mesh, output and section statements marked not written
    // after their parameters went into the default deck; its material blocks renumbered after the
    // default deck's z_structure statements or marked not written.
    void UpdateZmaterBlocks(CKeywordLineList& read, CKeywordLineList& defaults);
    // The ordinal (from 1) of the list's z_structure statement with the statement's "zseg_num"
    // value (1 when absent); -1 when none has it.
    static int FindZStructureOrdinal(const CKeywordLine& statement, const CKeywordLineList& list);
    // The default deck's z_structure, load_mesh, output and section statements into the read deck,
    // after the last of their kind (or the anchor).
    void InsertDefaultStatements(CKeywordLineList& read, CKeywordLineList defaults);
    // Include files of the material blocks named after their z-segment; blocks for the z-segments
    // after the last block appended.
    void CompleteZmaterBlocks(CKeywordLineList& read);
    // The "3d_solution_method" statement set to the method, or inserted after the last "begin".
    void WriteSolutionMethod(CKeywordLineList& list);
    // Every z-segment's taper points from its flagged columns; counts that differ become 0 after a
    // message.
    void CheckTaperLineCounts();
    // Statements of z-segments past the last one in use marked not written (material blocks are
    // left to UpdateZmaterBlocks).
    void DropStatementsBeyondSegments(CKeywordLineList& list);

    // --- Statement passes (SolFileStatements.cpp) ---
    // z_structure statements lose what the device says of its z-segments (extent, z planes, taper
    // link and points): the default deck's statements bring it back.
    void StripZStructureLengths(CKeywordLineList& list);
    // The list's statement of the same keyword and z-segment gets the statement's parameters it
    // lacks, its own values kept; rebuilt in canonical form.
    static void MergeStatementParams(const CKeywordLine& statement, CKeywordLineList& list);
    // Parameters that repeat the layer-file updater's defaults go from layer_mater and z_structure
    // statements.
    void UpdateLayerMacros(CKeywordLineList& list);
    // z_structure statements rebuilt in canonical form, a taper length of no size left out.
    void UpdateTaperLength(CKeywordLineList& list);
    // "cylindrical" after the leading "begin" and comment lines, or removed, as the setting says.
    void UpdateCylindrical(CKeywordLineList& list);
    // The begin_zsol..end_zsol block goes unless the deck is for the lumivo simulator.
    void RemoveZsolBlock(CKeywordLineList& list);
    // 3d_flow "no": every output gets a z-segment number; otherwise one output without it.
    void UpdateOutputZsegNum(CKeywordLineList& list);
    // Written sections numbered 1, 2, ... in order.
    static void RenumberSections(CKeywordLineList& list);
    // Each equilibrium statement of defaults the list lacks, after the last of a smaller number or
    // the first newton_par.
    static void InsertMissingEquilibrium(CKeywordLineList& list, const CKeywordLineList& defaults);

    // --- Material blocks (SolFileMaterials.cpp) ---
    // Material includes (".gain", ".doping", ".mater") outside any block go.
    static void RemoveLooseMaterialIncludes(CKeywordLineList& list);
    // Drops the statements marked not written, then replaces each block by the default deck's block
    // of its number (none: the block goes); a later block of a number already handled goes too. A
    // block that is never closed stays. One scan: the pass always ends.
    static void MergeZmaterBlocks(CKeywordLineList& list, const CKeywordLineList& defaults);
    static void ReplaceZmaterBlock(int first, int last, int number, CKeywordLineList& list,
                                   const CKeywordLineList& defaults);
    // An include repeated within one block goes (the scan ends at the block's end).
    static void RemoveDuplicateIncludes(CKeywordLineList& list);

    // --- The z-segment files of a saved deck (SolFileSegmentFiles.cpp) ---
    // Chains each z-segment's ".layer" file to the one before with a "previous_layer" statement.
    void UpdatePreviousLayer();
    // The "$xrange" and "$yrange" lines of z-segment index's ".layer" file.
    void RewriteRanges(int index);
    // The box of z-segment index's layers as a save lays them out, widened from the values given;
    // false when no layer widened it. The z-segment's records are not changed.
    bool GetSegmentBounds(int index, float& minX, float& maxX, float& minY, float& maxY);
    // Copies the companion file of oldLayer with the extension to the name of newLayer, never over
    // an existing file.
    void CopyCompanionFiles(const std::string& oldLayer, const std::string& newLayer, const std::string& extension);
    // The include statements of every z-segment's companion file with the extension named after
    // the z-segment's ".layer" file.
    void RenameCompanionIncludes(const std::string& extension);

    // --- Files (SolFileFiles.cpp) ---
    // Loads a file flat (the file set's staged bytes first); false, list empty, when unreadable.
    bool LoadFlat(const std::string& path, CKeywordLineList& list) const;
    // Stages the bytes in the file set, or without one writes them at once; false (reason set)
    // when a direct write failed.
    bool StoreBytes(const std::string& path, const std::string& bytes, std::string* reason = nullptr);
    bool ReadBytes(const std::string& path, std::string& bytes) const;
    // Stores a deck flat at path; false after "Can't create file!" when a direct write failed.
    bool StoreDeck(const std::string& path, const CKeywordLineList& deck);
    bool FileIsThere(const std::string& path) const;

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
    // One extent from 0 to the sum of the section lengths: a deck without "z_structure" statements.
    ZExtents SingleExtentOfSections() const;
    std::vector<float> ReadSectionLengthList() const;
    // The first statement of the deck read that does not fit the records (see SolFileRead.cpp),
    // -1 when every one fits.
    int FindRecordMisfit() const;
    // "File data error!" with the deck's path, and the line and text of statement `statement` of
    // the deck read when it is 0 or more.
    std::string DeckDataErrorText(int statement) const;
    bool ReadSegmentLayerFile(int index);
    void LoadCompanionFiles(CZSegment& segment, const std::string& deckPath, const CKeywordLine& include);
    bool WriteDeck(CKeywordLineList& list, bool lumivo);
    bool AppendMaterialBlock(CKeywordLineList& list, int k, bool lumivo);
    void AppendZStructure(CKeywordLineList& list, int k) const;
    void AppendSections(CKeywordLineList& list);
    int ZSegmentsInUse() const;

    CSolDocument* m_pDoc = nullptr;
    CFileTransaction* m_pFiles = nullptr;
    std::string m_strDestinationPath;
    std::string m_strReadPath;     // the deck ReadSolFile reads: its data errors name it
    int m_nZExtentForm = 0;        // 1 when the deck read gives z extents as lengths
    double m_dRunningZ = 0.0;      // start of the next z-segment while lengths are read
    bool m_bUpperWidthRead = false;
};
