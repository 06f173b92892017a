// The material page without its window: what it starts from in each edit mode, the two lists,
// committing a macro (parameter dialog, "No Parameter", the contact dialog) and the grading choice
// with its dialog, all as seen in the edit layer.

#include "MaterialDialogsScript.h"
#include "model/ProcessState.h"
#include "sheets/LayerBulkActive.h"
#include "support/ScriptedPrompts.h"
#include "textfiles/MacroLibrary.h"
#include "textfiles/MacroList.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>

namespace {

using Vars = std::array<double, 6>;
using Names = std::vector<std::string>;

const char kFree[] = "[free-style]";

// Bulk and active macros of both styles, one of four and one of seven variables, one without
// variables, an invalid definition and the built-in contact macro (old and free style).
CMacroList TestMacros()
{
    CMacroList list;
    list.ParseMacroText("$  load_macro name=gaas mater=#m var1=#strain var_symbol1=strain", kFree);
    list.ParseMacroText("$  load_macro name=algaas mater=#m var1=#x var2=#temper", "old");
    list.ParseMacroText("$  get_active_layer name=qw mater=#m var1=#width var2=#depth", kFree);
    list.ParseMacroText("$  load_macro name=quad mater=#m var1=#a var2=#b var3=#c var4=#d", kFree);
    list.ParseMacroText("$  load_macro name=broken mater=#m var1 var2", kFree);
    list.ParseMacroText("$  get_active_layer name=well mater=#m var1=#w", "old");
    list.ParseMacroText(
        "$  load_macro name=seven mater=#m var1=#p1 var2=#p2 var3=#p3 var4=#p4 var5=#p5 var6=#p6 var7=#p7", kFree);
    list.ParseMacroText("$  load_macro name=flat mater=#m", kFree);
    CMacroLibrary contact;
    contact.AddContactMacro();
    list.AddAll(contact.GetMacroList());
    return list;
}

Vars VarsOf(const CMacroParamSet& set) { return {set.m_dVar[0], set.m_dVar[1], set.m_dVar[2], set.m_dVar[3], set.m_dVar[4], set.m_dVar[5]}; }
Vars VarsOf(const CMacroParamDlg& dialog) { return {dialog.m_dValue[0], dialog.m_dValue[1], dialog.m_dValue[2], dialog.m_dValue[3], dialog.m_dValue[4], dialog.m_dValue[5]}; }

void SetVars(CMacroParamSet& set, const Vars& vars) { std::copy(vars.begin(), vars.end(), set.m_dVar); }

class MaterialPage : public ::testing::Test {
protected:
    MaterialPage() : macros(TestMacros())
    {
        ResetProcessState();
        CLayerMaterial& material = g_EditLayer.m_Material;
        material.m_Bulk.m_strName = "gaas";
        SetVars(material.m_Bulk, {0.5, 0, 0, 0, 0, 0});
        material.m_Active.Edit().m_strName = "qw";
        SetVars(material.m_Active.Edit(), {8, 0.2, 0, 0, 0, 0});
        material.m_Grading = {2, "-x", 0.1f, 0.3f};
    }
    ~MaterialPage() override { ResetProcessState(); }

    // The page constructed in edit mode `mode` and opened.
    CLayerBulkActive& Open(int mode)
    {
        g_nLayerEditMode = mode;
        page = std::make_unique<CLayerBulkActive>();
        page->SetMacroList(&macros);
        page->SetDialogs(&dialogs);
        page->SetContactStored([this] { ++contactMarks; });
        page->OnInitPage();
        return *page;
    }
    const CLayerMaterial& Material() const { return g_EditLayer.m_Material; }

    CMacroList macros;
    MaterialDialogsScript dialogs;
    ScriptedPrompts prompts;
    std::unique_ptr<CLayerBulkActive> page;
    int contactMarks = 0;
};

}  // namespace

// ---- starting values ----

TEST_F(MaterialPage, NewColumnsAndLayersStartAsAlgaasWithoutActiveMacroOrGrading)
{
    for (int mode : {1, 2}) {
        SCOPED_TRACE(mode);
        g_EditLayer.m_Material.m_Bulk.m_strName = "gaas";
        g_EditLayer.m_Material.m_Grading = {2, "-x", 0.1f, 0.3f};
        CLayerBulkActive& p = Open(mode);
        EXPECT_EQ(Material().m_Bulk.m_strName, "algaas");
        EXPECT_EQ(VarsOf(Material().m_Bulk), Vars{});
        EXPECT_EQ(Material().m_Active->m_strName, "void");
        EXPECT_EQ(VarsOf(*Material().m_Active), Vars{});
        EXPECT_EQ(Material().m_Grading->m_nGradeVar, 0);
        EXPECT_EQ(Material().m_Grading->m_strDirection, "+y");
        EXPECT_EQ(Material().m_Grading->m_fGradeFrom, 0.0f);
        EXPECT_EQ(Material().m_Grading->m_fGradeTo, 0.0f);
        EXPECT_EQ(p.m_strBulkName, "algaas");
        EXPECT_EQ(p.m_strActiveName, "void");
        EXPECT_EQ(p.m_nGradingChoice, 0);
        EXPECT_EQ(p.m_nGradingInForce, 0);
    }
}

TEST_F(MaterialPage, AModifiedLayerShowsItsNamesWithoutStyleSuffixOrVoidFormAndItsGrading)
{
    g_EditLayer.m_Material.m_Bulk.m_strName = "algaas_old_style";
    g_EditLayer.m_Material.m_Active.Edit().m_strName = "void macro";
    CLayerBulkActive& p = Open(3);
    EXPECT_EQ(p.m_strBulkName, "algaas");
    EXPECT_EQ(p.m_bOldStyle[CLayerBulkActive::BULK], 1);
    EXPECT_EQ(p.m_strActiveName, "void");
    EXPECT_EQ(p.m_bOldStyle[CLayerBulkActive::ACTIVE], 0);
    EXPECT_EQ(p.m_nGradingChoice, 2);
    EXPECT_EQ(p.m_nGradingInForce, 2);
    EXPECT_EQ(Material().m_Bulk.m_strName, "algaas_old_style") << "opening changes nothing";
    EXPECT_EQ(p.m_BulkDlg.m_nKind, CMacroParamDlg::BULK);
    EXPECT_EQ(p.m_ActiveDlg.m_nKind, CMacroParamDlg::ACTIVE);
}

TEST_F(MaterialPage, TheListsHoldVoidAndTheValidDefinitionsOfTheirKindAndStyleInListOrder)
{
    CLayerBulkActive& p = Open(3);
    EXPECT_EQ(p.GetListEntries(CLayerBulkActive::BULK), (Names{"void", "gaas", "quad", "seven", "flat", "contact"}));
    EXPECT_EQ(p.GetListEntries(CLayerBulkActive::ACTIVE), (Names{"void", "qw"}));
    p.OnStyle(CLayerBulkActive::BULK, true);
    EXPECT_EQ(p.GetListEntries(CLayerBulkActive::BULK), (Names{"void", "algaas", "contact"}));
    p.OnStyle(CLayerBulkActive::ACTIVE, true);
    EXPECT_EQ(p.GetListEntries(CLayerBulkActive::ACTIVE), (Names{"void", "well"}));
    p.OnStyle(CLayerBulkActive::BULK, false);
    EXPECT_EQ(p.GetListEntries(CLayerBulkActive::BULK).size(), 6u);
}

TEST_F(MaterialPage, AListSelectionAloneChangesOnlyThePagesName)
{
    CLayerBulkActive& p = Open(3);
    p.OnListSelection(CLayerBulkActive::BULK, "quad");
    EXPECT_EQ(p.m_strBulkName, "quad");
    EXPECT_EQ(Material().m_Bulk.m_strName, "gaas");
}

// ---- committing a macro ----

namespace {

struct CommitCase {
    const char* name;
    CLayerBulkActive::Macro list;
    const char* entry;
    bool oldStyle;
    // The dialog's answer: -1 not expected to open, 0 Cancel, 1 OK with the values below.
    int answer;
    Vars typed;
    // What the dialog opened with, when it opened.
    const char* dialogName;
    Vars seeded;
    // What the layer holds afterwards.
    const char* layerName;
    Vars layerVars;
    bool noParameter;
};

void PrintTo(const CommitCase& c, std::ostream* os) { *os << c.name; }

class CommittingAMacro : public MaterialPage, public ::testing::WithParamInterface<CommitCase> {};

const CommitCase kCommits[] = {
    {"the same macro again opens with the layer's values", CLayerBulkActive::BULK, "gaas", false, 1,
     {0.7, 0, 0, 0, 0, 0}, "gaas", {0.5, 0, 0, 0, 0, 0}, "gaas", {0.7, 0, 0, 0, 0, 0}, false},
    {"another macro opens with zeros", CLayerBulkActive::BULK, "quad", false, 1, {1, 2, 3, 4, 0, 0}, "quad", {},
     "quad", {1, 2, 3, 4, 0, 0}, false},
    {"cancel changes nothing", CLayerBulkActive::BULK, "quad", false, 0, {1, 2, 3, 4, 0, 0}, "quad", {}, "gaas",
     {0.5, 0, 0, 0, 0, 0}, false},
    {"an old-style name gets its suffix back", CLayerBulkActive::BULK, "algaas", true, 1, {0.3, 300, 0, 0, 0, 0},
     "algaas_old_style", {}, "algaas_old_style", {0.3, 300, 0, 0, 0, 0}, false},
    {"void has no parameters", CLayerBulkActive::BULK, "void", false, -1, {}, nullptr, {}, "void macro",
     {0.5, 0, 0, 0, 0, 0}, true},
    {"a macro without variables", CLayerBulkActive::BULK, "flat", false, -1, {}, nullptr, {}, "flat",
     {0.5, 0, 0, 0, 0, 0}, true},
    {"a name the list does not know", CLayerBulkActive::BULK, "inp", false, -1, {}, nullptr, {}, "inp",
     {0.5, 0, 0, 0, 0, 0}, true},
    {"the active macro again", CLayerBulkActive::ACTIVE, "qw", false, 1, {9, 0.25, 0, 0, 0, 0}, "qw",
     {8, 0.2, 0, 0, 0, 0}, "qw", {9, 0.25, 0, 0, 0, 0}, false},
    {"an old-style active macro", CLayerBulkActive::ACTIVE, "well", true, 1, {4, 0, 0, 0, 0, 0},
     "well_old_style", {}, "well_old_style", {4, 0, 0, 0, 0, 0}, false},
    {"void as active macro", CLayerBulkActive::ACTIVE, "void", false, -1, {}, nullptr, {}, "void macro",
     {8, 0.2, 0, 0, 0, 0}, true},
};

}  // namespace

TEST_P(CommittingAMacro, StoresTheNameAndTheDialogsValuesInTheLayer)
{
    const CommitCase& c = GetParam();
    CLayerBulkActive& p = Open(3);
    p.OnStyle(c.list, c.oldStyle);
    p.OnListSelection(c.list, c.entry);
    if (c.answer >= 0) {
        dialogs.macroSteps.push_back([&c](CMacroParamDlg& dialog) {
            std::copy(c.typed.begin(), c.typed.end(), dialog.m_dValue);
            return c.answer == 1;
        });
    }
    if (c.noParameter)
        prompts.AnswerNext(IDOK);
    p.CommitMacro(c.list);

    const CMacroParamSet& layer = c.list == CLayerBulkActive::BULK ? Material().m_Bulk : *Material().m_Active;
    EXPECT_EQ(layer.m_strName, c.layerName);
    EXPECT_EQ(VarsOf(layer), c.layerVars);
    ASSERT_EQ(dialogs.macroRuns.size(), c.answer >= 0 ? 1u : 0u);
    if (c.answer >= 0) {
        EXPECT_EQ(dialogs.macroRuns[0].m_strName, c.dialogName);
        EXPECT_EQ(dialogs.macroRuns[0].m_nKind, c.list);
        EXPECT_EQ(VarsOf(dialogs.macroRuns[0]), c.seeded);
    }
    EXPECT_EQ(prompts.Texts(), c.noParameter ? Names{"No Parameter"} : Names{});
    EXPECT_EQ(contactMarks, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, CommittingAMacro, ::testing::ValuesIn(kCommits));

// ---- the contact macro ----

TEST_F(MaterialPage, ContactOpensTheContactDialogWithItsDefaultsForALayerThatWasNoContact)
{
    CLayerBulkActive& p = Open(3);
    p.OnListSelection(CLayerBulkActive::BULK, "contact");
    dialogs.contactSteps.push_back([](CContactParamDlg& dialog) {
        dialog.m_nContactNum = 3;
        dialog.m_strType = "schottky";
        dialog.m_dBarrier = 0.8;
        return true;
    });
    p.CommitMacro(CLayerBulkActive::BULK);
    ASSERT_EQ(dialogs.contactRuns.size(), 1u);
    EXPECT_EQ(dialogs.contactRuns[0].m_nContactNum, 1);
    EXPECT_EQ(dialogs.contactRuns[0].m_strType, "ohmic");
    EXPECT_EQ(dialogs.contactRuns[0].m_dBarrier, -9999.0);
    EXPECT_EQ(Material().m_Bulk.m_strName, "contact");
    EXPECT_EQ(VarsOf(Material().m_Bulk), (Vars{3, 1.0, 0.8, -9999.0, 0, 0}));
    EXPECT_EQ(contactMarks, 1);
    EXPECT_TRUE(dialogs.macroRuns.empty());
}

TEST_F(MaterialPage, AContactLayerSeedsTheContactDialogAndCancelLeavesItAlone)
{
    g_EditLayer.m_Material.m_Bulk.m_strName = "contact";
    SetVars(g_EditLayer.m_Material.m_Bulk, {4, 1.0, -9999.0, 4.5, 7, 7});
    CLayerBulkActive& p = Open(3);
    EXPECT_EQ(p.m_strBulkName, "contact");
    dialogs.contactSteps.push_back([](CContactParamDlg& dialog) {
        dialog.m_nContactNum = 9;
        return false;
    });
    p.CommitMacro(CLayerBulkActive::BULK);
    ASSERT_EQ(dialogs.contactRuns.size(), 1u);
    EXPECT_EQ(dialogs.contactRuns[0].m_nContactNum, 4);
    EXPECT_EQ(dialogs.contactRuns[0].m_strType, "schottky");
    EXPECT_EQ(dialogs.contactRuns[0].m_dWorkFunction, 4.5);
    EXPECT_EQ(VarsOf(Material().m_Bulk), (Vars{4, 1.0, -9999.0, 4.5, 7, 7}));
    EXPECT_EQ(contactMarks, 0);
}

TEST_F(MaterialPage, ContactOpensTheContactDialogFromTheBulkListOnly)
{
    CLayerBulkActive& p = Open(3);
    // In either style of the bulk list.
    p.OnStyle(CLayerBulkActive::BULK, true);
    p.OnListSelection(CLayerBulkActive::BULK, "contact");
    dialogs.contactSteps.push_back([](CContactParamDlg&) { return false; });
    p.CommitMacro(CLayerBulkActive::BULK);
    EXPECT_EQ(dialogs.contactRuns.size(), 1u);

    // The active macro of that name is an ordinary macro of four variables.
    p.OnListSelection(CLayerBulkActive::ACTIVE, "contact");
    dialogs.macroSteps.push_back([](CMacroParamDlg&) { return true; });
    p.CommitMacro(CLayerBulkActive::ACTIVE);
    EXPECT_EQ(dialogs.contactRuns.size(), 1u);
    ASSERT_EQ(dialogs.macroRuns.size(), 1u);
    EXPECT_EQ(dialogs.macroRuns[0].m_strName, "contact");
    EXPECT_EQ(Material().m_Active->m_strName, "contact");
    EXPECT_EQ(contactMarks, 0);
}

// ---- grading ----

namespace {

struct GradingCase {
    const char* name;
    int choice;
    // The dialog's answer: -1 not expected to open, 0 Cancel, 1 OK with from, to and direction.
    int answer;
    float from, to;
    int direction;
    // What the dialog opened with.
    int slot;
    float seededFrom, seededTo;
    int seededDirection;
    // What the layer and the page hold afterwards.
    CLayerGrading layer;
    int pageChoice;
};

void PrintTo(const GradingCase& c, std::ostream* os) { *os << c.name; }

class ChoosingAGrading : public MaterialPage, public ::testing::WithParamInterface<GradingCase> {};

// The layer starts graded in variable 2, "-x", from 0.1 to 0.3.
const GradingCase kGradings[] = {
    {"none clears the grading", 0, -1, 0, 0, 0, 0, 0, 0, 0, {0, "+y", 0.0f, 0.0f}, 0},
    {"the same variable keeps its values", 2, 1, 0.2f, 0.4f, 3, 1, 0.1f, 0.3f, 1, {2, "-y", 0.2f, 0.4f}, 2},
    {"another variable starts from +y and zeros", 3, 1, 0.5f, 0.6f, 0, 2, 0.0f, 0.0f, 2, {3, "+x", 0.5f, 0.6f}, 3},
    {"no direction chosen keeps the direction", 2, 1, 0.2f, 0.4f, -1, 1, 0.1f, 0.3f, 1, {2, "-x", 0.2f, 0.4f}, 2},
    {"cancel gives the old grading back", 4, 0, 0.9f, 0.9f, 0, 3, 0.0f, 0.0f, 2, {2, "-x", 0.1f, 0.3f}, 2},
};

}  // namespace

TEST_P(ChoosingAGrading, SetsTheLayersGradingThroughTheDialog)
{
    const GradingCase& c = GetParam();
    CLayerBulkActive& p = Open(3);
    if (c.answer >= 0) {
        dialogs.gradingSteps.push_back([&c](CCompositionGradingDlg& dialog) {
            dialog.m_fFrom = c.from;
            dialog.m_fTo = c.to;
            dialog.m_nDirection = c.direction;
            return c.answer == 1;
        });
    }
    p.OnGradingChoice(c.choice);
    const CLayerGrading& grading = Material().m_Grading;
    EXPECT_EQ(grading.m_nGradeVar, c.layer.m_nGradeVar);
    EXPECT_EQ(grading.m_strDirection, c.layer.m_strDirection);
    EXPECT_FLOAT_EQ(grading.m_fGradeFrom, c.layer.m_fGradeFrom);
    EXPECT_FLOAT_EQ(grading.m_fGradeTo, c.layer.m_fGradeTo);
    EXPECT_EQ(p.m_nGradingChoice, c.pageChoice);
    EXPECT_EQ(p.m_nGradingInForce, c.pageChoice);
    ASSERT_EQ(dialogs.gradingRuns.size(), c.answer >= 0 ? 1u : 0u);
    if (c.answer >= 0) {
        const CCompositionGradingDlg& opened = dialogs.gradingRuns[0];
        EXPECT_EQ(opened.m_nSlot, c.slot);
        EXPECT_EQ(opened.GetFromParamId(), 30 + 2 * c.slot);
        EXPECT_EQ(opened.GetToParamId(), 31 + 2 * c.slot);
        EXPECT_EQ(opened.m_nMode, CCompositionGradingDlg::FOCUS_FROM);
        EXPECT_FLOAT_EQ(opened.m_fFrom, c.seededFrom);
        EXPECT_FLOAT_EQ(opened.m_fTo, c.seededTo);
        EXPECT_EQ(opened.m_nDirection, c.seededDirection);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ChoosingAGrading, ::testing::ValuesIn(kGradings));

TEST_F(MaterialPage, SwitchingToAnotherVariableAndBackStartsEachFromZeros)
{
    CLayerBulkActive& p = Open(3);
    for (int choice : {3, 2}) {
        dialogs.gradingSteps.push_back([](CCompositionGradingDlg& dialog) {
            dialog.m_fFrom = 0.7f;
            return true;
        });
        p.OnGradingChoice(choice);
    }
    ASSERT_EQ(dialogs.gradingRuns.size(), 2u);
    EXPECT_FLOAT_EQ(dialogs.gradingRuns[1].m_fFrom, 0.0f) << "2 after 3 is a new choice again";
    EXPECT_EQ(dialogs.gradingRuns[1].m_nDirection, 2);
    EXPECT_EQ(Material().m_Grading->m_nGradeVar, 2);
}

// ---- the macro parameter dialog ----

namespace {

struct ShownCase {
    const char* macro;
    int kind;
    int shownBoxes;
    Names labels;
    bool sixKept;
};

void PrintTo(const ShownCase& c, std::ostream* os) { *os << c.macro; }

class ShowingTheParameterDialog : public MaterialPage, public ::testing::WithParamInterface<ShownCase> {};

const ShownCase kShown[] = {
    {"gaas", CMacroParamDlg::BULK, 1, {"strain", "", "", "", "", ""}, false},
    {"quad", CMacroParamDlg::BULK, 4, {"a", "b", "c", "d", "", ""}, false},
    {"seven", CMacroParamDlg::BULK, 6, {"p1", "p2", "p3", "p4", "p5", "p6"}, true},
    {"qw", CMacroParamDlg::ACTIVE, 2, {"width", "depth", "", "", "", ""}, false},
};

}  // namespace

TEST_P(ShowingTheParameterDialog, LabelsEachShownBoxWithItsOwnVariable)
{
    const ShownCase& c = GetParam();
    CMacroParamDlg dialog;
    dialog.m_nKind = c.kind;
    // What a previous macro left must not stay.
    dialog.m_strName = "seven";
    dialog.OnShowWindow(macros);
    dialog.m_strName = c.macro;
    dialog.OnInitDialog(macros);
    dialog.OnShowWindow(macros);
    for (int i = 0; i < CMacroParamDlg::kValues; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(dialog.m_strLabel[i], c.labels[i]);
        EXPECT_EQ(dialog.IsBoxShown(i), i < c.shownBoxes);
        EXPECT_EQ(dialog.GetParamId(i), (c.kind == CMacroParamDlg::BULK ? 10 : 20) + i);
    }
    EXPECT_EQ(dialog.IsSixKeptShown(), c.sixKept);
    CMacroDef def;
    ASSERT_TRUE(macros.Find(c.macro, def));
    EXPECT_EQ(dialog.m_strMacroText, def.GetComment());
}

INSTANTIATE_TEST_SUITE_P(Cases, ShowingTheParameterDialog, ::testing::ValuesIn(kShown));
