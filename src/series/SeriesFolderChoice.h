#pragma once
// A series never writes into the folder of another series unasked: when the folder a series would
// take exists already, the user chooses between replacing it and another name.

#include <string>

class CSeriesFolderChoice {
public:
    // The name the series takes in `parent` (a folder ending with a separator): `name` itself when
    // no entry of that name exists; else, after the question, `name` with its old folder removed
    // (Yes), the first free "name-2", "name-3", ... (No), or "" when the user cancels or the old
    // folder cannot be removed (after a message).
    static std::string Settle(const std::string& parent, const std::string& name);
    // The first of "name-2", "name-3", ... that names no entry of parent.
    static std::string FreeName(const std::string& parent, const std::string& name);
};
