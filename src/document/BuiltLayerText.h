#pragma once
// What the last build of one z-segment's ".layer" text took and gave, so that a save of a z-segment
// nothing of which changed since (a deck save where only one z-segment was edited, a second Save in
// a row) writes the same bytes without merging its statements again.
//
// A merge is decided by the old lines it merges into, the fresh statements the writer made of the
// model, the macro definitions and, when the old lines include other files, the folders and files
// around them. The record answers only when the first three are what they were and no file is
// included: the old lines are compared by identity (the record holds them, so a list that was
// written since is a different one), the definitions by their generation, the fresh statements by
// an image of every member of every statement. Nothing is assumed about what did or did not change
// in the model: the fresh statements are its whole say in the merge.

#include "statements/KeywordLineList.h"
#include "statements/SharedKeywordLines.h"

#include <cstdint>
#include <string>

class CBuiltLayerText {
public:
    // Every member of every statement, in order, as one text: equal images, equal statements.
    static std::string FreshImage(const CKeywordLineList& fresh);

    // True when a build from these inputs gave Bytes().
    bool Answers(const CSharedKeywordLines& oldLines, std::uint64_t macroGeneration, const std::string& freshImage) const;
    const std::string& Bytes() const { return m_bytes; }

    void Remember(const CSharedKeywordLines& oldLines, std::uint64_t macroGeneration, std::string freshImage,
                  const std::string& bytes);
    // Answers nothing until the next Remember.
    void Forget();

private:
    bool m_bKnown = false;
    CSharedKeywordLines m_oldLines;
    std::uint64_t m_nMacroGeneration = 0;
    std::string m_freshImage;
    std::string m_bytes;
};
