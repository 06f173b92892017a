// The VCSEL page: what a new and a modified layer start from, the type the page finds for the
// layer, which controls each state allows, the grating model's layer pairs, and the two create
// modes through the sheet.

#include "SheetFixture.h"
#include "sheets/DataExchange.h"
#include "support/FakeDialogControls.h"

#include <gtest/gtest.h>

#include <ostream>

using Texts = std::vector<std::string>;
using Vcsel = CLayerVcsel;

namespace {

class VcselPage : public SheetFixture {
protected:
    // The edited layer (0, 0, 1) as a VCSEL layer with its own section.
    void EditVcselLayer(const CVcselSection& own)
    {
        MarkVcsel(0, 0, 1, own);
        g_EditLayer = LayerAt(0, 0, 1);
    }
    Vcsel& Open(int mode = 3)
    {
        OpenSheet(mode, {CGeneral::SIZE_PAGE, CGeneral::VCSEL_PAGE});
        return sheet->m_VcselPage;
    }
    std::vector<CVcselSection>& Types() { return doc().m_VcselSections; }
};

struct FindCase {
    const char* name;
    std::vector<std::string> listed;
    const char* layerType;
    int selected;
};

void PrintTo(const FindCase& c, std::ostream* os) { *os << c.name; }

class ALayersType : public VcselPage, public ::testing::WithParamInterface<FindCase> {};

}  // namespace

TEST_F(VcselPage, NewColumnsAndLayersStartANewTypeFromEmptyValues)
{
    for (int mode : {1, 2}) {
        g_EditLayer.m_Vcsel = Type("OLD", 3.0f);
        g_EditLayer.m_nVcselFlag = 1;
        g_nLayerEditMode = mode;
        Vcsel fresh;
        EXPECT_EQ(fresh.m_nCreateMode, Vcsel::NEW_VCSEL) << mode;
        EXPECT_EQ(g_EditLayer.m_Vcsel->m_strVcselType, "") << mode;
        EXPECT_FLOAT_EQ(g_EditLayer.m_Vcsel->m_fSectionLoss, 0.0f) << mode;
        EXPECT_EQ(g_EditLayer.m_Vcsel->m_dLayer[0], 0.0) << mode;
        EXPECT_EQ(g_EditLayer.m_Vcsel->m_strActive, "no");
        EXPECT_EQ(g_EditLayer.m_Vcsel->m_strGratingModel, "1layer");
        EXPECT_EQ(g_EditLayer.m_nVcselFlag, 1) << "the flag stays as the document set it";
    }
}

TEST_F(VcselPage, AModifiedLayerShowsItsOwnSection)
{
    CVcselSection own = Type("T1", 0.5f);
    own.m_nMeshPoints = 12;
    Types() = {Type("T1", 9.0f)};
    EditVcselLayer(own);
    g_nLayerEditMode = 3;
    Vcsel page;
    EXPECT_EQ(page.m_nCreateMode, Vcsel::EQUAL_PREVIOUS);
    EXPECT_EQ(page.m_nVcselFlag, 1);
    page.OnInitPage(Types());
    EXPECT_TRUE(page.GetSection().IsSame(own));
    EXPECT_EQ(page.m_nSelectedType, 0);
}

TEST_P(ALayersType, IsTheListEntryOfExactlyItsName)
{
    const FindCase& c = GetParam();
    for (const std::string& name : c.listed)
        Types().push_back(Type(name, name == "T1" ? 1.0f : 10.0f));
    const CVcselSection own = Type(c.layerType, 1.0f);
    EditVcselLayer(own);
    Vcsel& page = Open();
    EXPECT_EQ(page.m_nSelectedType, c.selected);
    EXPECT_EQ(page.m_nTypeIndexAtOpen, c.selected);
    EXPECT_EQ(page.m_strTypeNameAtOpen, c.layerType);
    EXPECT_TRUE(page.GetSection().IsSame(own));
}

INSTANTIATE_TEST_SUITE_P(Lists, ALayersType,
                         ::testing::Values(FindCase{"FirstOfTwoSharingAPrefix", {"T1", "T10"}, "T1", 0},
                                           FindCase{"SecondOfTwoSharingAPrefix", {"T10", "T1"}, "T1", 1},
                                           FindCase{"OnlyALongerName", {"T10"}, "T1", -1},
                                           FindCase{"OnlyAShorterName", {"T1"}, "T10", -1},
                                           FindCase{"EmptyList", {}, "T1", -1}));

TEST_F(VcselPage, ALayerWhoseTypeTheListLacksKeepsItsValuesAndSpreadsNoOtherTypes)
{
    Types() = {Type("T10", 10.0f), Type("B", 2.0f)};
    const CVcselSection own = Type("T1", 1.0f);
    EditVcselLayer(own);
    MarkVcsel(0, 1, 1, own);               // another layer of the missing type
    MarkVcsel(1, 0, 0, Type("B", 2.0f));   // a layer of another type
    Open();
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_TRUE(g_EditLayer.m_Vcsel->IsSame(own));
    EXPECT_EQ(g_EditLayer.m_nVcselFlag, 1);
    EXPECT_TRUE(LayerAt(0, 1, 1).m_Vcsel->IsSame(own));
    EXPECT_TRUE(LayerAt(1, 0, 0).m_Vcsel->IsSame(Type("B", 2.0f)));
    ASSERT_EQ(Types().size(), 2u);
    EXPECT_TRUE(Types()[0].IsSame(Type("T10", 10.0f)));
}

TEST_F(VcselPage, EqualPreviousGivesTheLayerTheChosenTypesValues)
{
    Types() = {Type("A", 1.0f), Type("B", 2.0f)};
    Vcsel& page = Open(2);
    page.m_nVcselFlag = 1;
    page.OnInputVcsel(Types());
    page.OnEqualPrevious(Types());
    page.OnSelChangeTypes(1, Types());
    EXPECT_EQ(page.m_strTypeName, "B");
    EXPECT_EQ(page.m_strGratingModel, "2layers");
    EXPECT_TRUE(sheet->OnOkPressed());
    EXPECT_TRUE(g_EditLayer.m_Vcsel->IsSame(Type("B", 2.0f)));
    EXPECT_EQ(g_EditLayer.m_strSheetText, "B");
    EXPECT_EQ(Types().size(), 2u);
}

TEST_F(VcselPage, WithoutTypesTheChoiceSaysSoAndTickingMakesANewType)
{
    EXPECT_EQ(Vcsel::TypeEntries({}), Texts{"No Vcsel Templet"});
    EXPECT_EQ(Vcsel::TypeEntries({Type("A"), Type("B")}), (Texts{"A", "B"}));
    Vcsel& page = Open();
    page.m_nVcselFlag = 1;
    page.OnInputVcsel(Types());
    EXPECT_EQ(page.m_nCreateMode, Vcsel::NEW_VCSEL);
    EXPECT_FALSE(page.IsControlEnabled(Vcsel::IDC_EQUAL_PREVIOUS));
    EXPECT_TRUE(page.IsControlEnabled(Vcsel::IDC_NEW_VCSEL));
    EXPECT_FALSE(page.IsControlEnabled(Vcsel::IDC_TYPES));
}

TEST_F(VcselPage, EachStateAllowsItsControls)
{
    Types() = {Type("A")};
    Vcsel& page = Open(2);
    const int controls[] = {Vcsel::IDC_EQUAL_PREVIOUS, Vcsel::IDC_NEW_VCSEL,    Vcsel::IDC_TYPE_NAME,
                            Vcsel::IDC_SECTION_LOSS,   Vcsel::IDC_MESH_POINTS,  Vcsel::IDC_SECTION_INDEX,
                            Vcsel::IDC_GRATING_MODEL,  Vcsel::IDC_ACTIVE,       Vcsel::IDC_TYPES};
    const struct {
        const char* state;
        int flag;
        int mode;
        std::vector<bool> enabled;
        std::vector<bool> readOnly;
    } cases[] = {
        {"no VCSEL layer", 0, Vcsel::NEW_VCSEL, {0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"new type", 1, Vcsel::NEW_VCSEL, {1, 1, 1, 1, 1, 1, 1, 1, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"equal previous", 1, Vcsel::EQUAL_PREVIOUS, {1, 1, 1, 0, 1, 1, 0, 0, 1}, {0, 0, 1, 1, 1, 1, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        page.m_nVcselFlag = c.flag;
        page.m_nCreateMode = c.mode;
        for (size_t i = 0; i < std::size(controls); ++i) {
            EXPECT_EQ(page.IsControlEnabled(controls[i]), c.enabled[i]) << c.state << " " << controls[i];
            EXPECT_EQ(page.IsControlReadOnly(controls[i]), c.readOnly[i]) << c.state << " " << controls[i];
        }
    }
}

TEST_F(VcselPage, TheGratingModelSetsTheLayerPairsInUse)
{
    Vcsel& page = Open(2);
    page.m_nVcselFlag = 1;
    page.m_fSectionIndex = 3.2f;
    page.OnSelChangeGratingModel(3);  // "4layers"
    EXPECT_EQ(page.m_strGratingModel, "4layers");
    EXPECT_EQ(page.GetPairCount(), 4);
    for (int id = Vcsel::IDC_FIRST_PAIR; id < Vcsel::IDC_FIRST_PAIR + 18; ++id)
        EXPECT_EQ(page.IsControlEnabled(id), id < 2008) << id;
    EXPECT_EQ(page.m_fSectionIndex, 0.0f);
    EXPECT_TRUE(page.IsControlReadOnly(Vcsel::IDC_SECTION_INDEX));

    page.OnSelChangeGratingModel(0);  // "1layer"
    EXPECT_EQ(page.GetPairCount(), 0);
    EXPECT_FALSE(page.IsControlEnabled(2000));
    EXPECT_FALSE(page.IsControlReadOnly(Vcsel::IDC_SECTION_INDEX));

    page.m_nCreateMode = Vcsel::EQUAL_PREVIOUS;
    page.OnSelChangeGratingModel(1);
    EXPECT_TRUE(page.IsControlEnabled(2003));
    EXPECT_TRUE(page.IsControlReadOnly(2003));
    page.m_nVcselFlag = 0;
    EXPECT_FALSE(page.IsControlEnabled(2000));
}

TEST_F(VcselPage, AModelTextIsShownAsTheEntryItBeginsWith)
{
    Vcsel& page = Open(2);
    const struct {
        const char* text;
        int selection;
    } cases[] = {{"1layer", 0}, {"3layers", 2}, {"9", 8}, {"", 0}, {"layers", -1}, {"10layers", -1}};
    for (const auto& c : cases) {
        page.m_strGratingModel = c.text;
        EXPECT_EQ(page.GetGratingModelSelection(), c.selection) << c.text;
    }
}

TEST_F(VcselPage, EveryNumericBoxCarriesItsParameterId)
{
    const struct {
        int control;
        int param;
    } cases[] = {{Vcsel::IDC_SECTION_LOSS, 100}, {Vcsel::IDC_SECTION_INDEX, 102}, {2000, 103}, {2016, 111},
                 {2001, 112},                    {2017, 120},                     {Vcsel::IDC_MESH_POINTS, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(Vcsel::ParamIdOf(c.control), c.param) << c.control;
}

TEST_F(VcselPage, TheBoxesTravelByTheDataExchange)
{
    Vcsel& page = Open(2);
    FakeDialogControls controls;
    controls.texts = {{Vcsel::IDC_MESH_POINTS, "7"}, {Vcsel::IDC_SECTION_LOSS, "0.5"}, {Vcsel::IDC_SECTION_INDEX, "3.3"},
                      {Vcsel::IDC_TYPE_NAME, "N"},   {2000, "1e-7"},                   {2001, "3.1"},
                      {2017, "2.9"}};
    for (int id = 2002; id < 2017; ++id)
        controls.texts.emplace(id, "0");
    CDataExchange read(controls, true);
    page.DoDataExchange(read);
    ASSERT_FALSE(read.Failed());
    EXPECT_EQ(page.m_nMeshPoints, 7);
    EXPECT_FLOAT_EQ(page.m_fSectionLoss, 0.5f);
    EXPECT_EQ(page.m_strTypeName, "N");
    EXPECT_DOUBLE_EQ(page.m_dLayer[0], 1e-7);
    EXPECT_FLOAT_EQ(page.m_fIndex[0], 3.1f);
    EXPECT_FLOAT_EQ(page.m_fIndex[8], 2.9f);
}
