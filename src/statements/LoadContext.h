#pragma once
// What one numbered load of a structure file leaves behind besides its statements, and what a save
// needs of the text it merges into: the last load number given out, the include statements that
// were replaced by the lines of their files, and the folder those files were found in. Loads and
// saves take it explicitly, so each file read or written has its own and two files can be loaded
// side by side.

#include <map>
#include <string>

class CLoadContext {
public:
    // The last load number given out; the numbered load numbers each statement it keeps with the
    // next one.
    int m_nLineCounter = 0;
    // Include source id -> raw text of the include statement (with the blank lines before it). An
    // id already present keeps its first text.
    std::map<int, std::string> m_Includes;
    // The folder (ending with a separator, "" for the current folder) of the last file that
    // contained an include statement: its included files are there. A save that writes included
    // blocks back as their include statements copies the files from here.
    std::string m_strIncludeFolder;

    // Numbers start again from 1; no include is known.
    void Reset();
};
