#pragma once
// VCSEL sections of a ".layer" file: a "vcsel_section" statement states a section type's
// parameters once; each layer row names its type with the "vcsel_type" of its "layer" statement.

#include <string>
#include <vector>

#include "textfiles/LayerFileContext.h"

class CVcselSectionStatements {
public:
    explicit CVcselSectionStatements(CLayerFileContext& ctx) : m_ctx(ctx) {}

    // The section fields of a layer whose row names a VCSEL type (already stored in the section),
    // from the row's "vcsel_section" statement (an empty statement when the row has none).
    static void ReadLayerSection(const CKeywordLine& section, CLayerRec& layer);
    // Replaces the document's section list with one record per "vcsel_section" statement.
    void RebuildSectionList();
    // Appends the "vcsel_section" statements of the type named by row's first-column layer, once
    // per z-segment: written holds the types already written during this write.
    void WriteVcselSections(std::vector<std::string>& written, int n, int row);

    static CKeywordLine FormatSection(const CVcselSection& section);

private:
    CLayerFileContext& m_ctx;
};
