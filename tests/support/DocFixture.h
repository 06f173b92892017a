#pragma once
// A document for tests, with an in-memory settings store, a scripted prompt, a fake application
// and a recording views hub, and helpers that build a small device in it. Every test starts from
// the process state of a fresh program (ResetProcessState: the isolated-layer method "no" among it).

#include "document/TessaronDoc.h"
#include "platform/Profile.h"
#include "support/FakeAppServices.h"
#include "support/FakeViewsHub.h"
#include "support/RecordBuilders.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

class DocFixture : public ::testing::Test {
protected:
    DocFixture();
    ~DocFixture() override;

    // Gives the document its 40 records with `count` in use and z-segment 1 current.
    void UseZSegments(int count);
    CZSegment& Seg(int zseg) { return doc().m_ZSegments.at(zseg); }
    // Appends a column whose rows hold layers of the given bulk macros.
    CColumnRec& AddColumn(int zseg, std::initializer_list<std::string> bulks);
    CLayerRec& LayerAt(int zseg, int column, int row) { return Seg(zseg).Column(column).Layer(row); }

    CTessaronDoc& doc() { return *m_doc; }

    CMemoryProfile profile;
    ScriptedPrompts prompts;
    FakeAppServices app;
    FakeViewsHub views;

private:
    std::unique_ptr<CTessaronDoc> m_doc;
};
