#pragma once
// Merges the statements freshly written for one z-segment (the fresh list) into the lines its
// ".layer" file had when it was loaded (the old list), so that a save keeps what the program does
// not own: comments, unknown statements, the user's own parameters and layout, and include
// statements whose files are unchanged.
//
// Use: construct, SetPath (the file being written), SetMacroList, SetLoadContext (the include table
// and folder the old lines were read with: the z-segment's material set), Update(old lines, fresh
// statements, empty result), store the result with the numbered store (CKeywordLineList::Serialize).
// Included files written back as their include statement are copied from the context's include
// folder to the folder of the path; one that cannot be copied there (a name outside that folder,
// such as "../shared/a.inc") is named by a path from the new folder instead, and one that cannot be
// reached at all is written into the file, so that the saved file always opens again.
//
// Working numbers during Update (m_nLine):
//   old list:   >= 0 not yet written, -1 copied to the result, -(load number) merged with a fresh one
//   fresh list: -1 done, -2 structure statement without an old partner, >= 0 partner's load number

#include "statements/KeywordLine.h"
#include "statements/KeywordLineList.h"
#include "statements/LoadContext.h"
#include "textfiles/MergeMemo.h"
#include "textfiles/ReaderDefaults.h"

#include <climits>
#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

class CMacroList;

// The two default statements: a parameter whose name and value text equal one of theirs is left
// out of a written statement of the same keyword.
extern const std::string g_strLayerMaterDefault;
extern const std::string g_strZStructureDefault;

// True for a plain line (comment, block keyword, any statement the updater does not merge).
bool IsNonStructureLine(const CKeywordLine& line);

bool IsNumberText(std::string text);
bool IsDigitChar(char c);
// True when the two value texts say the same: numerically when the first is a number text,
// otherwise ignoring case; both are trimmed first.
bool CompareValueText(const std::string& a, const std::string& b);

// Removals of the statements that are regenerated from the model on every save.
void RemoveVcselSectionLines(CKeywordLineList& list);
void RemoveSideContactLines(CKeywordLineList& list);
void RemovePositionLines(CKeywordLineList& list);

class CLayerFileUpdater {
public:
    CLayerFileUpdater();
    virtual ~CLayerFileUpdater();

    // The file being written (or any file in its folder): included files are copied beside it.
    void SetPath(std::string path);
    // The application's macro list, which tells whether a material macro takes parameters (none:
    // every macro counts as unknown).
    void SetMacroList(CMacroList* macros) { m_pMacros = macros; }
    // What the last save of the same z-segment merged (none: every statement is merged). Update
    // takes the merges of unchanged statements from it and leaves this save's merges in it.
    void SetMergeMemo(CMergeMemo* memo) { m_pMemo = memo; }
    // The include statements of the old lines and the folder their files were read from (none
    // until set: every included block is then merged into the file).
    void SetLoadContext(const CLoadContext& loaded) { m_loaded = loaded; }
    void GetFolder(std::string& folder) const;
    std::string GetFolder() const;

    // Fills result (pass an empty list) from the old lines and the fresh statements; each include
    // statement of the load context is written once at most. Old statements the model cannot write
    // back (CUnreadStatements) are kept as written, in their place.
    void Update(CKeywordLineList old, CKeywordLineList& fresh, CKeywordLineList& result);

    // Pairing and merge.
    void MatchStructureLines(CKeywordLineList& old, CKeywordLineList& fresh);
    void MergeStatement(CKeywordLineList& old, CKeywordLineList& fresh, CKeywordLineList& result,
                        std::string kind);
    void CopyPrecedingLines(CKeywordLineList& old, CKeywordLineList& result, int j);
    // True when the two statements say the same. A parameter that one of them lacks and that the
    // other holds at the value the reader gives when it is absent is no difference (defaults).
    static bool IsSameStatement(const CKeywordLine& o, const CKeywordLine& f,
                                const CReaderDefaults& defaults = CReaderDefaults());
    void MergeParams(const CKeywordLine& o, const CKeywordLine& fresh, CKeywordLine& out);
    static void RebuildLineText(CKeywordLine& line);

    // Lookups of the old partner of a fresh statement; each returns the partner's index or -1 and
    // hands the partner's load number and source id to the fresh statement (-2 without partner).
    static void NormalizeValue(std::string& s);
    static int FindNthColumn(const CKeywordLineList& old, CKeywordLine& fresh);
    static int FindNthLayer(const CKeywordLineList& old, CKeywordLine& fresh, int n);
    static int FindLayerMaterOfColumn(const CKeywordLineList& old, CKeywordLine& fresh, int n);
    static int FindGratingComposOfColumn(const CKeywordLineList& old, CKeywordLine& fresh, int n);
    static int FindTopContact(const CKeywordLineList& old, CKeywordLine& fresh);
    static int FindBottomContact(const CKeywordLineList& old, CKeywordLine& fresh);
    static int FindNewDoping(const CKeywordLineList& old, CKeywordLine layerMater, CKeywordLine& fresh,
                             int n);
    static int FindVcselSection(const CKeywordLineList& old, CKeywordLine& fresh);

    // Default parameters.
    static bool RemoveMatchingParams(const CKeywordLine& pattern, CKeywordLine& s, bool matchValue);
    static void RemoveDefaultParamsOfLine(CKeywordLine& s);
    static void RemoveDefaultParams(CKeywordLineList& list);

    // Material and grating parameter clearing.
    static void ClearGratingMacroParams(CKeywordLineList& old);
    void UpdateLayerMaterPass(CKeywordLineList& old, const CKeywordLineList& fresh);
    void ClearLayerMaterParams(CKeywordLine& o, const CKeywordLine& f);
    // Whether o and f name the same old-style macro (no symbols on either side), whose variables
    // that f leaves out stay in the merged statement; and whether o's variable of that name is one.
    static bool KeepsUnwrittenVariable(const CKeywordLine& o, const CKeywordLine& f, const char* nameParam,
                                       const char* symbolStem);
    static bool KeepsOldVariable(const CKeywordLine& o, const CKeywordLine& f, const std::string& name);
    // The parameters a material statement's clearing removes, by what changed.
    static const CKeywordLine& LayerMaterClearingPattern(bool macroChanged, bool activeChanged);
    bool MacroSymbolsChanged(const CKeywordLine& o, const CKeywordLine& f);
    bool ActiveSymbolsChanged(const CKeywordLine& o, const CKeywordLine& f);
    std::map<std::string, bool> GetMergeFlags(const CKeywordLine& o, const CKeywordLine& f);

    // Regenerated statements.
    static bool GetRotation(const CKeywordLineList& list, double& angle);
    void UpdateRotation(CKeywordLineList& old, double angle);
    void InlineIncludesOnColumnChange(CKeywordLineList& old, CKeywordLineList& fresh);
    void PlaceSideContacts(const CKeywordLineList& fresh, CKeywordLineList& result);
    void PlaceColumnPositions(const CKeywordLineList& fresh, CKeywordLineList& result);
    void PlaceLayerPositions(const CKeywordLineList& fresh, CKeywordLineList& result);
    void UpdateVcselSections(const CKeywordLineList& fresh, CKeywordLineList& result);
    static void UpdateDopingParams(CKeywordLineList& list);
    static void RemoveNumberedLayerDopings(CKeywordLineList& list);

private:
    // An included block: the lines of one include statement of the main file together with the
    // lines of the files it includes in turn. Its lines all carry the block's source id.
    struct IncludeUnit {
        bool decided = false;  // the comparison with the fresh statements has been made
        bool same = false;     // every statement of the block says what the model says
    };

    void KeepUnreadStatements(CKeywordLineList& old);
    void KeepIncompleteGratings(CKeywordLineList& old, const CKeywordLineList& fresh);
    // MergeParams, or its result from the memo: true when it came from there, whole (the
    // per-statement passes already done).
    bool MergeParamsOrRecall(const CKeywordLine& o, const CKeywordLine& fresh, CKeywordLine& out, int at);
    void BeginMemo();
    void ReduceOldMaterialStatements(CKeywordLineList& old);
    // The per-statement passes over the result (default parameters, contact macros), but for the
    // statements the memo gave whole; then marks the statements of the memo (see below).
    void RunStatementPasses(CKeywordLineList& result);
    // Between the per-statement passes and the parse of every result statement in
    // UpdateVcselSections (which sets every number to 0) the numbers of the result statements are
    // not read: there they mark a statement the memo gave, which is already what its text parses
    // to, and one whose merge the memo learns once it is parsed (the mark plus its index in
    // m_memoPending). The memo keeps statements as parsed, so a statement found there is not
    // parsed again.
    static constexpr int kMemoParsedMark = INT_MIN;
    static constexpr int kMemoPendingMark = INT_MIN + 1;
    // Parses a result statement as UpdateVcselSections does, but for one the memo gave; the memo
    // learns a merge marked for it.
    void ParseResultStatement(CKeywordLine& line);
    // The memo keeps the merges this update learned in place of those of the last save.
    void EndMemo();
    void PlanUnnamedEmptyLayers(const CKeywordLineList& old, const CKeywordLineList& fresh);
    void PrepareIncludeUnits(CKeywordLineList& old);
    void InlineUnit(CKeywordLineList& old, CKeywordLineList& fresh, int source);
    void InlineUnitOfOldLine(CKeywordLineList& old, int index);
    void InlineUnitsHoldingAnchors(CKeywordLineList& old, CKeywordLineList& fresh);
    bool IsUnitUnchanged(const CKeywordLineList& old, const CKeywordLineList& fresh, int source);
    bool SaysWhatTheModelSays(const CKeywordLine& o, const CKeywordLineList& fresh, int index);
    int UnitStart(const CKeywordLineList& old, int source) const;
    bool CanWriteIncludeBack(int source) const;
    void WriteIncludeBack(CKeywordLineList& old, CKeywordLineList& result, int source);
    bool ReachIncludedFile(int source);
    bool CanCopyIncludedFile(const std::string& fromFolder, const std::string& name, int depth) const;
    void CopyIncludedFile(const std::string& fromFolder, const std::string& toFolder,
                          const std::string& name, int depth) const;
    void AppendFreshRebuilt(const CKeywordLineList& fresh, CKeywordLineList& result) const;
    // Keeps the statements of that keyword as they are, by load number, for the merge: all of them,
    // or (mainFile false) only those of included files.
    void RememberBeforeClearing(const CKeywordLineList& old, const char* keyword, bool mainFile = true);
    // ClearLayerMaterParams; true when it changed o, and then before (when given) gets o as it was.
    bool ClearLayerMaterParams(CKeywordLine& o, const CKeywordLine& f, CKeywordLine* before);
    void KeepDopingTexts(const CKeywordLineList& old, CKeywordLineList& result);
    int CountLayersInInclude(const CKeywordLine& includeLine);
    template <class Test>
    void PlaceAfterAnchors(const CKeywordLineList& fresh, CKeywordLineList& result, Test isPlaced,
                           const char* const* skipPrefixes, int skipCount);

    std::string m_strPath;
    CMacroList* m_pMacros = nullptr;
    CMergeMemo* m_pMemo = nullptr;
    bool m_memoInUse = false;
    // Result statements merged in this update, by index: from the memo (settled) or to be kept
    // in it with their keys.
    std::vector<int> m_settledLines;
    std::vector<std::pair<int, CMergeMemo::Inputs>> m_memoPending;
    // The include table and folder of the old lines; the entries written back are taken out.
    CLoadContext m_loaded;
    // What absent parameters read as, in the file this update writes.
    CReaderDefaults m_defaults;
    std::vector<int> m_includedLines;
    std::map<int, IncludeUnit> m_units;
    std::set<int> m_writtenUnits;  // blocks whose include statement this update has written
    // The include statements that find their files from the saved file's folder, by block: the
    // statement as read, or one that names the file by a path from there.
    std::map<int, std::string> m_reachedIncludes;
    std::map<std::string, int> m_includeLayerCounts;  // "layer" statements of included files
    // The fresh statements with the doping of each row in its material statements, as a saved file
    // holds it; made when an included block is first compared.
    CKeywordLineList m_freshDopingMoved;
    bool m_haveFreshDopingMoved = false;
    // Material and grating statements as they were before their macro parameters were cleared, by
    // load number (one a statement of a large file: hashed).
    std::unordered_map<int, CKeywordLine> m_beforeClearing;
};
