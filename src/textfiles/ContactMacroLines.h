#pragma once
// Contact statements: "layer_mater" statements whose macro_name begins with "contact". In the model
// a contact layer keeps its contact in its first four macro variables (var1 contact number, var2
// type 0.0 ohmic / 1.0 schottky, var3 barrier, var4 work function); in a ".layer" file the same
// statement carries contact_num, contact_type ("ohmic"/"schottky"), barrier and work_function.
// These routines translate whole statement lists between the two forms, and reduce statements to
// what identifies them for the layer file updater's comparisons.

class CKeywordLine;
class CKeywordLineList;

// True when the list holds a contact statement: the only statements ReadContactMacroLines changes.
bool HasContactMacroLines(const CKeywordLineList& list);
// File form to model form, after a ".layer" file has been loaded.
void ReadContactMacroLines(CKeywordLineList& list);
// Model form to file form, dropping the parameters the file form does not carry.
void WriteContactMacroLines(CKeywordLineList& list);
// Every "layer_mater" statement is parsed again from its text; a contact statement keeps only
// macro_name and column_num (identityOnly) or the parameters of the file form.
void NormalizeContactMacroParams(CKeywordLineList& list, bool identityOnly);
// The same for one statement (nothing for any other keyword).
void NormalizeContactMacroParamsOfLine(CKeywordLine& line, bool identityOnly);
// Removes barrier and work_function from every "top_contact" and "bottom_contact" statement.
void NormalizeTopBottomContacts(CKeywordLineList& list);
