// The layer property sheet and the document's VCSEL type list: a new type's place in the list, a
// name that exists with other values, and carrying the edited section to the other layers of the
// type the layer had.

#include "SheetFixture.h"

#include <gtest/gtest.h>

#include <ostream>

using Calls = std::vector<std::string>;

namespace {

class VcselTypes : public SheetFixture {
protected:
    // Opens Modify Layer with the VCSEL page shown and the page making a new type `name`.
    CLayerVcsel& NewType(const std::string& name, float loss = 0.0f)
    {
        OpenSheet(3, {CGeneral::SIZE_PAGE, CGeneral::VCSEL_PAGE});
        CLayerVcsel& page = sheet->m_VcselPage;
        page.m_nVcselFlag = 1;
        page.m_nCreateMode = CLayerVcsel::NEW_VCSEL;
        page.m_strTypeName = name;
        page.m_fSectionLoss = loss;
        return page;
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const CVcselSection& type : const_cast<VcselTypes*>(this)->doc().m_VcselSections)
            names.push_back(type.m_strVcselType);
        return names;
    }
    // The edited layer (0, 0, 1) as a VCSEL layer of an existing type.
    void EditLayerOfType(const CVcselSection& type)
    {
        MarkVcsel(0, 0, 1, type);
        g_EditLayer = LayerAt(0, 0, 1);
    }
};

struct PlaceCase {
    const char* name;
    int otherRow;  // row of column 0 that also has the old type, -1 none
    std::vector<std::string> expected;
};

void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.name; }

class ARenamedType : public VcselTypes, public ::testing::WithParamInterface<PlaceCase> {};

}  // namespace

TEST_F(VcselTypes, ANewTypeInAZSegmentWithoutVcselLayersGoesToTheFront)
{
    doc().m_VcselSections = {Type("A"), Type("B")};
    NewType("N");
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_EQ(Names(), (Calls{"N", "A", "B"}));
    EXPECT_EQ(g_EditLayer.m_nVcselFlag, 1);
    EXPECT_EQ(g_EditLayer.m_Vcsel->m_strVcselType, "N");
    EXPECT_EQ(g_EditLayer.m_strSheetText, "N");
    EXPECT_EQ(g_EditLayer.m_Vcsel->m_strGratingModel, "1layer");
}

TEST_F(VcselTypes, ANewTypeFollowsTheTypeOfTheRowsBelow)
{
    doc().m_VcselSections = {Type("A"), Type("B"), Type("C")};
    MarkVcsel(0, 1, 0, Type("B"));
    NewType("N");
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_EQ(Names(), (Calls{"A", "B", "N", "C"}));
}

TEST_F(VcselTypes, ANewNameAlreadyUsedInTheZSegmentLeavesTheListAlone)
{
    doc().m_VcselSections = {Type("A")};
    MarkVcsel(0, 1, 1, Type("N"));
    NewType("N");
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_EQ(Names(), Calls{"A"});
}

TEST_F(VcselTypes, AnExistingTypeWithEqualValuesChangesNothing)
{
    doc().m_VcselSections = {Type("A"), Type("B", 2.0f)};
    CLayerVcsel& page = NewType("B", 2.0f);
    page.m_strActive = "yes";
    page.m_strGratingModel = "2layers";
    page.m_dLayer[0] = 0.1;
    page.m_fIndex[0] = 3.50005f;
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_EQ(Names(), (Calls{"A", "B"}));
    EXPECT_EQ(doc().m_VcselSections[1].m_fIndex[0], 3.5f);
}

TEST_P(ARenamedType, TakesThePlaceOfTheOldTypeOrGoesBesideIt)
{
    doc().m_VcselSections = {Type("A"), Type("OLD"), Type("C")};
    EditLayerOfType(Type("OLD"));
    if (GetParam().otherRow >= 0)
        MarkVcsel(0, 0, GetParam().otherRow, Type("OLD"));
    NewType("NEW");
    EXPECT_EQ(sheet->m_VcselPage.m_nTypeIndexAtOpen, 1);
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_EQ(Names(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(OtherRows, ARenamedType,
                         ::testing::Values(PlaceCase{"UsedNowhereElse", -1, {"A", "NEW", "C"}},
                                           PlaceCase{"UsedBelow", 0, {"A", "OLD", "NEW", "C"}},
                                           PlaceCase{"UsedAbove", 2, {"A", "NEW", "OLD", "C"}}));

TEST_F(VcselTypes, OverwritingAnExistingTypeUpdatesItsEntryAndEveryLayerOfIt)
{
    doc().m_VcselSections = {Type("A"), Type("V", 1.0f)};
    EditLayerOfType(Type("V", 1.0f));
    MarkVcsel(0, 1, 0, Type("V", 1.0f));
    MarkVcsel(1, 0, 0, Type("V", 1.0f));
    NewType("V", 7.0f);
    window.typeDialogAnswers = {IDOK};
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_EQ(window.calls, (Calls{"commit", "type dialog", "commit", "end ok"}));
    EXPECT_EQ(Names(), (Calls{"A", "V"}));
    EXPECT_FLOAT_EQ(doc().m_VcselSections[1].m_fSectionLoss, 7.0f);
    EXPECT_FLOAT_EQ(LayerAt(0, 1, 0).m_Vcsel->m_fSectionLoss, 7.0f);
    EXPECT_FLOAT_EQ(LayerAt(1, 0, 0).m_Vcsel->m_fSectionLoss, 7.0f);
}

TEST_F(VcselTypes, TheOtherChoicesKeepTheSheetOpenOnTheVcselPage)
{
    const struct {
        int answer;
        Calls calls;
        int createMode;
        float loss;
    } cases[] = {
        {CGeneral::IDC_NEW_TEMPLET, {"commit", "type dialog", "activate 7 1178"}, CLayerVcsel::NEW_VCSEL, 7.0f},
        {CGeneral::IDC_LOAD, {"commit", "type dialog", "refresh 7", "activate 7 0"}, CLayerVcsel::EQUAL_PREVIOUS, 1.0f},
        {IDCANCEL, {"commit", "type dialog", "activate 7 0"}, CLayerVcsel::NEW_VCSEL, 7.0f},
    };
    for (const auto& c : cases) {
        doc().m_VcselSections = {Type("A"), Type("V", 1.0f)};
        NewType("V", 7.0f);
        window.calls.clear();
        window.typeDialogAnswers = {c.answer};
        EXPECT_FALSE(sheet->OnOkPressed()) << c.answer;
        EXPECT_EQ(window.calls, c.calls) << c.answer;
        EXPECT_EQ(sheet->m_bAccepted, 0);
        EXPECT_EQ(sheet->m_VcselPage.m_nCreateMode, c.createMode) << c.answer;
        EXPECT_FLOAT_EQ(sheet->m_VcselPage.m_fSectionLoss, c.loss) << c.answer;
        EXPECT_FLOAT_EQ(doc().m_VcselSections[1].m_fSectionLoss, 1.0f);
    }
}

TEST_F(VcselTypes, LoadSelectsTheMatchingEntry)
{
    doc().m_VcselSections = {Type("A"), Type("V", 1.0f)};
    NewType("V", 7.0f);
    window.typeDialogAnswers = {CGeneral::IDC_LOAD};
    EXPECT_FALSE(sheet->OnOkPressed());
    EXPECT_EQ(sheet->m_VcselPage.m_nSelectedType, 1);
    EXPECT_EQ(sheet->m_VcselPage.m_strGratingModel, "2layers");
    EXPECT_TRUE(sheet->OnOkPressed());  // an equal-previous page changes no list entry
    EXPECT_FLOAT_EQ(g_EditLayer.m_Vcsel->m_fSectionLoss, 1.0f);
}

TEST_F(VcselTypes, AnOverwriteThatEndsInAStopLeavesTheListAsItWas)
{
    doc().m_VcselSections = {Type("V", 1.0f)};
    g_EditLayer.m_Doping.m_strKind = "n";
    g_EditLayer.m_Doping.m_fValue = 0.0f;
    g_EditLayer.m_Doping.m_fGaussianTail = 0.0f;
    NewType("V", 7.0f);
    window.typeDialogAnswers = {IDOK};
    prompts.AnswerNext(IDNO);   // first pass: no doping wanted
    prompts.AnswerNext(IDYES);  // second pass, after the overwrite: the user goes to the doping page
    EXPECT_FALSE(sheet->OnOkPressed());
    EXPECT_FLOAT_EQ(doc().m_VcselSections[0].m_fSectionLoss, 1.0f);
    EXPECT_EQ(sheet->m_bAccepted, 0);
}

TEST_F(VcselTypes, AVcselPageNeverOpenedStoresAndSpreadsNothing)
{
    const CVcselSection layerOwn = Type("V", 1.0f);
    EditLayerOfType(layerOwn);
    MarkVcsel(1, 0, 0, Type("V", 5.0f));
    doc().m_VcselSections = {Type("V", 5.0f)};
    OpenSheet(3);
    EXPECT_EQ(sheet->m_strVcselTypeAtOpen, "V");
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_TRUE(g_EditLayer.m_Vcsel->IsSame(layerOwn));
    EXPECT_EQ(g_EditLayer.m_strSheetText, "");
    EXPECT_FLOAT_EQ(LayerAt(1, 0, 0).m_Vcsel->m_fSectionLoss, 5.0f);
    EXPECT_FLOAT_EQ(doc().m_VcselSections[0].m_fSectionLoss, 5.0f);
}

TEST_F(VcselTypes, UntickingInputVcselTurnsOffEveryLayerOfTheType)
{
    doc().m_VcselSections = {Type("V")};
    EditLayerOfType(Type("V"));
    MarkVcsel(0, 1, 0, Type("V"));
    MarkVcsel(1, 0, 0, Type("V"));
    MarkVcsel(1, 0, 0, Type("V"));
    OpenSheet(3, {CGeneral::SIZE_PAGE, CGeneral::VCSEL_PAGE});
    EXPECT_EQ(sheet->m_VcselPage.m_nCreateMode, CLayerVcsel::EQUAL_PREVIOUS);
    sheet->m_VcselPage.m_nVcselFlag = 0;
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_EQ(LayerAt(0, 1, 0).m_nVcselFlag, 0);
    EXPECT_EQ(LayerAt(1, 0, 0).m_nVcselFlag, 0);
    EXPECT_EQ(g_EditLayer.m_nVcselFlag, 0);
}

TEST_F(VcselTypes, TheVcselPageOpensOnTheLayersOwnType)
{
    doc().m_VcselSections = {Type("VA", 1.0f), Type("V", 2.0f), Type("VB", 3.0f)};
    EditLayerOfType(Type("V", 2.0f));
    OpenSheet(3, {CGeneral::SIZE_PAGE, CGeneral::VCSEL_PAGE});
    EXPECT_EQ(sheet->m_VcselPage.m_nTypeIndexAtOpen, 1);
    EXPECT_EQ(sheet->m_VcselPage.m_strTypeNameAtOpen, "V");
    EXPECT_FLOAT_EQ(sheet->m_VcselPage.m_fSectionLoss, 2.0f);

    // A name no entry has exactly: no entry stands for it, and the page keeps the layer's values.
    g_EditLayer.m_Vcsel.Edit().m_strVcselType = "VA";
    doc().m_VcselSections = {Type("VAX", 1.0f), Type("W", 5.0f), Type("VAY", 3.0f)};
    OpenSheet(3, {CGeneral::SIZE_PAGE, CGeneral::VCSEL_PAGE});
    EXPECT_EQ(sheet->m_VcselPage.m_nTypeIndexAtOpen, -1);
    EXPECT_EQ(sheet->m_VcselPage.m_nSelectedType, -1);
    EXPECT_EQ(sheet->m_VcselPage.m_strTypeNameAtOpen, "VA");
    EXPECT_FLOAT_EQ(sheet->m_VcselPage.m_fSectionLoss, 2.0f);

    g_EditLayer.m_nVcselFlag = 0;
    OpenSheet(3, {CGeneral::SIZE_PAGE, CGeneral::VCSEL_PAGE});
    EXPECT_EQ(sheet->m_VcselPage.m_nTypeIndexAtOpen, -1);
    EXPECT_EQ(sheet->m_VcselPage.m_strTypeNameAtOpen, "");
}

TEST(VcselSection, IsSameAllowsTinyDifferencesInTheNumbersOnly)
{
    CVcselSection a;
    a.m_strVcselType = "V";
    const struct {
        const char* name;
        void (*change)(CVcselSection&);
        bool same;
    } cases[] = {
        {"index within 1e-4", [](CVcselSection& s) { s.m_fIndex[8] += 0.00009f; }, true},
        {"index beyond", [](CVcselSection& s) { s.m_fIndex[8] += 0.0002f; }, false},
        {"layer within 1e-10", [](CVcselSection& s) { s.m_dLayer[3] += 5e-11; }, true},
        {"layer beyond", [](CVcselSection& s) { s.m_dLayer[3] += 1e-9; }, false},
        {"loss", [](CVcselSection& s) { s.m_fSectionLoss += 0.001f; }, false},
        {"section index", [](CVcselSection& s) { s.m_fSectionIndex += 0.00005f; }, true},
        {"mesh points", [](CVcselSection& s) { s.m_nMeshPoints = 3; }, false},
        {"type case", [](CVcselSection& s) { s.m_strVcselType = "v"; }, false},
        {"model", [](CVcselSection& s) { s.m_strGratingModel = "2layers"; }, false},
        {"active", [](CVcselSection& s) { s.m_strActive = "yes"; }, false},
    };
    for (const auto& c : cases) {
        CVcselSection b = a;
        c.change(b);
        EXPECT_EQ(a.IsSame(b), c.same) << c.name;
    }
}
