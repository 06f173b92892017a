#pragma once
// What the merges of one z-segment's last save wrote, so that the next save of the same z-segment
// does not merge again what has not changed since: a one-layer edit of a large device then merges
// the statements of that layer alone.
//
// A statement merged from an old statement and a fresh one is looked up by everything its merge
// reads: both statements whole (numbers, texts, parameters with their texts as read), the old
// statement as it stood before its parameters were cleared, and the save's context (what absent
// parameters read as, the macros, the keyword flag map). The memo keeps the statement as the merge
// left it after its per-statement passes (the removal of default parameters and the contact-macro
// normalisation), so a statement found here skips those passes too. Nothing is ever taken on trust:
// an entry answers only a merge of exactly equal inputs, so a memo that outlived an edit, an undo
// or another file can only miss.
//
// Each save keeps the entries it used or made and drops the rest, so the memo holds one entry per
// merged statement of the last save.
//
// The memo also keeps how each old material statement reads once reduced to its identity for the
// pairing (NormalizeContactMacroParamsOfLine): that reduction parses the statement from its text
// alone, so it is worked out once for the lines a file was opened with, not at every save. An entry
// is found by the statement's load number and answers only a statement of the same text.

#include "statements/KeywordLine.h"

#include <string>
#include <unordered_map>

class CMergeMemo {
public:
    // Starts a save under the given context: the last save's entries stay usable only when it is
    // the same.
    void Begin(const std::string& context);
    // The statement the last save wrote for these inputs, or null. A found entry is kept for the
    // next save.
    const CKeywordLine* Find(const std::string& key);
    // Remembers what this save wrote for these inputs.
    void Keep(const std::string& key, const CKeywordLine& written);
    // Ends the save: the entries it used or made replace those of the last one.
    void End();

    // The inputs of one statement's merge, as one key.
    static void AppendLine(std::string& key, const CKeywordLine& line);
    static void AppendText(std::string& key, const std::string& text);
    static void AppendNumber(std::string& key, long long number);
    // True when the two statements are alike in everything AppendLine puts in a key.
    static bool SameLine(const CKeywordLine& a, const CKeywordLine& b);

    std::size_t GetCount() const { return m_last.size(); }

    // The identity reduction of an old statement with this load number and text, or null.
    const CKeywordLine* FindIdentity(int number, const std::string& text) const;
    // Remembers the reduction of the statement with this load number that had this text.
    void KeepIdentity(int number, const std::string& text, const CKeywordLine& reduced);

private:
    using Entries = std::unordered_map<std::string, CKeywordLine>;
    std::string m_context;
    Entries m_last;     // the last save's entries (those this save has not yet used)
    Entries m_current;  // this save's entries
    struct Identity {
        std::string text;     // the statement's text, when the reduction changed it
        CKeywordLine reduced;
    };
    std::unordered_map<int, Identity> m_identities;  // by load number
};
