#pragma once
// Material questions of the ".layer" writer: the statement of a contact layer, the parameter count
// of a macro, and the insulator materials.

#include <string>

#include "textfiles/LayerFileContext.h"

class CMaterialStatements {
public:
    explicit CMaterialStatements(CLayerFileContext& ctx) : m_ctx(ctx) {}

    // For a contact layer (bulk macro name beginning with "contact") appends its "layer_mater"
    // statement with the macro's variables and returns 1; otherwise 0 and nothing appended.
    int WriteLayerMacro(int n, int column, int row);
    // The same for a given layer record.
    int WriteLayerMacro(const CLayerRec& layer, int column);
    // Parameter count of the named macro in the application's list; 0 when it is not there.
    // The kind ("bulk" or "active") does not change the answer.
    int GetMacroParamCount(const std::string& kind, const std::string& name);
    static bool IsInsulatorMaterial(const std::string& name);

private:
    CLayerFileContext& m_ctx;
};
