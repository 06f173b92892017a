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
// normalisation) and as its text then parses (the updater parses every statement it writes once
// more), so a statement found here skips those passes and that parse. Nothing is taken on trust:
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
    // The inputs of one statement's merge: the old statement, the one it was before its clearing
    // (only where the clearing changed it) and the fresh one.
    struct Inputs {
        CKeywordLine old;
        bool cleared = false;
        CKeywordLine before;  // empty unless cleared
        CKeywordLine fresh;
    };

    // Starts a save under the given context: the last save's entries stay usable only when it is
    // the same.
    void Begin(const std::string& context);
    // The statement the last save wrote for these inputs (before null: not cleared), or null. A
    // found entry is kept for the next save.
    const CKeywordLine* Find(const CKeywordLine& old, const CKeywordLine* before, const CKeywordLine& fresh);
    // Remembers what this save wrote for these inputs.
    void Keep(Inputs inputs, const CKeywordLine& written);
    // Ends the save: the entries it used or made replace those of the last one.
    void End();

    // Parts of a text made of numbers and texts (a context, an entry's inputs), so that no two
    // lists of parts make the same text.
    static void AppendText(std::string& key, const std::string& text);
    static void AppendNumber(std::string& key, long long number);
    // True when the two statements are alike in everything a merge reads of them (numbers, texts,
    // parameters with their texts as read).
    static bool SameLine(const CKeywordLine& a, const CKeywordLine& b);

    std::size_t GetCount() const { return m_last.size(); }

    // The identity reduction of an old statement with this load number and text, or null.
    const CKeywordLine* FindIdentity(int number, const std::string& text) const;
    // Remembers the reduction of the statement with this load number that had this text.
    void KeepIdentity(int number, const std::string& text, const CKeywordLine& reduced);

private:
    struct Entry {
        // The inputs as one text (InputsText): a tenth of the memory of the statements
        // themselves, which a large device's memo would hold by the thousand.
        std::string inputs;
        CKeywordLine written;
    };
    // By a hash of the inputs; an entry answers only inputs equal to its own (Matches).
    using Entries = std::unordered_multimap<std::size_t, Entry>;
    static std::size_t Hash(const CKeywordLine& old, const CKeywordLine* before, const CKeywordLine& fresh);
    static std::string InputsText(const CKeywordLine& old, const CKeywordLine* before, const CKeywordLine& fresh);
    static void AppendLine(std::string& text, const CKeywordLine& line);
    // True when the inputs are those the text was made of; read without making a text of them.
    static bool Matches(const std::string& inputs, const CKeywordLine& old, const CKeywordLine* before,
                        const CKeywordLine& fresh);
    static const Entry* FindIn(const Entries& entries, std::size_t hash, const CKeywordLine& old,
                               const CKeywordLine* before, const CKeywordLine& fresh, Entries::const_iterator* at);
    std::string m_context;
    Entries m_last;     // the last save's entries (those this save has not yet used)
    Entries m_current;  // this save's entries
    struct Identity {
        std::string text;     // the statement's text, when the reduction changed it
        CKeywordLine reduced;
    };
    std::unordered_map<int, Identity> m_identities;  // by load number
};
