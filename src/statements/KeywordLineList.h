#pragma once
// The in-memory form of a structure text file: its statements in order (CKeywordLine).
//
// Two pairs of load and store:
// - numbered: Serialize loads with running load numbers and source ids and replaces every
//   "include file=..." statement by the statements of the included file (looked for in the
//   including file's folder, case-insensitively); the load context it is given keeps the counter,
//   the include statements and their folder. The store writes every raw text + CR LF (a bare "$"
//   line directly after another is left out). The ".layer" file goes this way.
// - flat: SerializeFlat loads without numbering or include expansion; the store leaves out
//   statements with a negative m_nLine, writes unmodified ones as raw text + LF and modified ones
//   rebuilt in canonical wrapped form with CR LF. The ".sol" deck goes this way.
//
// A numbered load that cannot open an included file, meets an include cycle or nests includes too
// deep fails as a whole: it shows a message naming the file, empties the list and returns false,
// so no truncated list can be saved over the file later. Callers treat it like an unreadable file.

#include "statements/KeywordLine.h"
#include "statements/LoadContext.h"

#include <string>
#include <utility>
#include <vector>

class CArchive;

// Deepest include nesting a numbered load accepts.
constexpr int kMaxIncludeDepth = 32;

class CKeywordLineList {
public:
    std::vector<CKeywordLine> m_lines;

    CKeywordLineList() = default;
    virtual ~CKeywordLineList() = default;
    CKeywordLineList(const CKeywordLineList&) = default;
    CKeywordLineList& operator=(const CKeywordLineList&) = default;
    // Declared because the virtual destructor would otherwise leave only the copies: every move of
    // a list (an updater's old text, a load's result) would copy each statement.
    CKeywordLineList(CKeywordLineList&&) = default;
    CKeywordLineList& operator=(CKeywordLineList&&) = default;

    // --- files ---
    // Numbered load (appends) or raw store, by the archive's direction. A load numbers from the
    // context's counter and records the include statements it replaces and their folder there (a
    // store leaves the context alone). Callers pass depth 0 and index 0 for a main file; a caller
    // that starts a new file resets the context first. False when a load failed (see above) or a
    // store could not be written.
    bool Serialize(CArchive& archive, CLoadContext& context, int depth = 0, int index = 0);
    // The raw store alone; false on a loading archive (a load needs a context).
    bool Serialize(CArchive& archive) const;
    // Flat load (appends) or rebuilding store, by the archive's direction.
    bool SerializeFlat(CArchive& archive);
    // The bytes the raw store and the rebuilding store write.
    std::string StoreRawText() const;
    std::string StoreFlatText() const;
    // The message of the last failed numbered load ("" after a successful one).
    const std::string& GetLoadError() const { return m_strLoadError; }

    // Reads the next statement's physical lines: blank lines before it are kept in raw (each
    // followed by CR LF), "&&" continuations are joined into logical (nothing inserted at the join;
    // raw keeps the CR LF between lines). A line beginning with "$" is not continued, except in a
    // file whose name ends in "mac". False at the end of the file (blank lines there belong to no
    // statement).
    static bool ReadNextStatement(CArchive& archive, std::string& logical, std::string& raw);
    // Reads one physical line, trimmed on the right, with every "&&" continuation joined ("$" lines
    // too). An empty line gives "" and true; false at the end of the file.
    static bool ReadLogicalLine(CArchive& archive, std::string& text);

    // --- queries and edits (a keyword line is a statement whose keyword equals the given keyword;
    //     n counts from 1, indexes from 0) ---
    int GetCount() const { return static_cast<int>(m_lines.size()); }
    bool IsEmpty() const { return m_lines.empty(); }
    void RemoveAll() { m_lines.clear(); }
    void Append(const CKeywordLine& line) { m_lines.push_back(line); }
    void Append(CKeywordLine&& line) { m_lines.push_back(std::move(line)); }
    CKeywordLine& operator[](int index) { return m_lines[static_cast<std::size_t>(index)]; }
    const CKeywordLine& operator[](int index) const { return m_lines[static_cast<std::size_t>(index)]; }

    // Keyword and parameter value of the statement at index; "" for an index outside the list. The
    // keyword is the statement's own, valid until the list changes. Inline: readers ask for the
    // keyword of every statement in several passes.
    const std::string& GetKeyword(int index) const
    {
        return index >= 0 && index < GetCount() ? m_lines[static_cast<std::size_t>(index)].m_strKeyword : NoKeyword();
    }
    std::string GetLineParam(int index, const std::string& name) const;
    int CountKeyword(const std::string& keyword) const;
    int CountColumnLines() const { return CountKeyword("column"); }
    int CountLayerLines() const { return CountKeyword("layer"); }
    // Index of the n-th keyword line; -1 when there are fewer.
    int FindNthLine(const std::string& keyword, int n) const;
    std::string GetNthLineParam(const std::string& keyword, int n, const std::string& name) const;
    std::string FindNthLineParamContaining(const std::string& keyword, int n, const std::string& text) const;
    bool NthLineHasParamContaining(const std::string& keyword, int n, const std::string& text) const;
    // column < 1: true when any keyword line exists (position untouched). Otherwise the first keyword
    // line at or after position whose "column_num" (as an integer) equals column: position := its
    // index + 1 and true; none: false.
    bool FindLine(const std::string& keyword, int& position, int column) const;
    // column > 0: GetParam(name) of the first keyword line at or after start whose "column_num"
    // equals column; otherwise, or when none, "".
    std::string GetColumnParam(const std::string& keyword, int column, const std::string& name, int start) const;
    // Number of "layer_mater" lines of column index c (column_num, 0 or missing counting as 1, equals
    // c + 1) with a non-empty "macro_name".
    int CountColumnMacroLines(int columnIndex) const;
    // CountColumnMacroLines of column indexes 0..columns-1, in one pass over the list.
    std::vector<int> CountMacroLinesOfColumns(int columns) const;
    // The first statement whose keyword begins with "new_doping" while exactly n "layer_mater" lines
    // stand before it.
    bool FindNewDopingLine(int n, CKeywordLine& line) const;
    // The first keyword line with m_nLine >= 0 whose parameter name has exactly the value.
    bool FindLineByParam(const std::string& keyword, const std::string& name, const std::string& value,
                         CKeywordLine& line) const;
    // Blocks count from 1 and the count rises after each k2 line; every k1 line of block n is copied
    // to line in turn (the last one stays).
    void GetLineInBlock(const std::string& k1, const std::string& k2, int n, CKeywordLine& line) const;
    // The second statement's comment text without its "$" when the list has more than 2 statements
    // and the first two are comments; else "".
    std::string GetHeaderComment() const;
    // The first statement's comment text without its "$" when the list has more than 2 statements
    // and the first is a comment; else "".
    std::string GetFirstComment() const;
    // The whole comment ("$" included) standing directly before the n-th keyword line; else "".
    std::string GetCommentBeforeNth(const std::string& keyword, int n) const;
    // Inserts all statements of other before position (0..count).
    void InsertLines(int position, CKeywordLineList other);
    // Removes that statement; an index outside the list changes nothing.
    void RemoveLine(int index);
    // -1 with any "3dflow_segment" or "taper3d" statement; else the number of "z_structure"
    // statements when there are some; else 1 with a "section" statement; else 0.
    int GetZSegmentCount() const;

private:
    static const std::string& NoKeyword();
    bool LoadNumbered(CArchive& archive, CLoadContext& context, int depth, int index,
                      std::vector<std::string>& chain);
    std::string m_strLoadError;
};

// Makes destination a copy of source (nothing when they are the same list).
void CopyKeywordLines(const CKeywordLineList& source, CKeywordLineList& destination);
