#pragma once
// Builds the sweep index of a saved ".layer" file (CLayerFileIndex): reads the file and the files
// it includes statement by statement, as the structure file reader reads them, keeping for every
// statement the file that holds it and its first physical line, and records every value a series
// can vary with its parameter id and the character span of its text.

#include "model/LayerFileIndex.h"

#include <map>
#include <string>
#include <vector>

class CLayerFileIndexReader {
public:
    explicit CLayerFileIndexReader(CLayerFileIndex& index) : m_index(index) {}

    // Builds the index of the ".layer" file at path for z-segment zsegIndex (the index is emptied
    // first). A file that cannot be opened leaves the index empty, silently (true). An included
    // file that cannot be read stops the load before any item is built: false, with the reason in
    // GetLoadError().
    bool Load(const std::string& path, int zsegIndex);
    const std::string& GetLoadError() const { return m_strLoadError; }

private:
    bool ReadLines(const std::string& path, const std::string& bytes, int depth, int index);
    void BuildItems(int zsegIndex);
    void IndexGratingCompos(int zsegIndex);
    void IndexContacts(int zsegIndex, const std::string& keyword);
    void IndexSideContacts(int zsegIndex, const std::string& keyword);
    void AddContactValues(int line, int zsegIndex, int owner, int place);
    void AddParamItemOfNthLine(const std::string& keyword, int n, const std::string& name, int zsegIndex,
                               int first, int second, int id);
    void AddParamItem(int line, const std::string& name, int zsegIndex, int first, int second, int id);

    CLayerFileIndex& m_index;
    std::string m_strLoadError;
    std::map<std::string, std::vector<int>> m_KeywordLines;  // statements by keyword, while building
};
