#include "support/DocFixture.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

class ContactConsistency : public DocFixture {
protected:
    static void SetContact(CLayerRec& layer, double number, double type, double barrier, double work)
    {
        layer.m_Material.m_Bulk.m_dVar[0] = number;
        layer.m_Material.m_Bulk.m_dVar[1] = type;
        layer.m_Material.m_Bulk.m_dVar[2] = barrier;
        layer.m_Material.m_Bulk.m_dVar[3] = work;
    }
    static CTopContact Range(int number, const char* type)
    {
        CTopContact range;
        range.m_nContactNum = number;
        range.m_strType = type;
        return range;
    }
    // An "ohmic" bottom range with a work function, as the contact page hands it back.
    static CBottomContact OhmicBottom(int number, double workFunction)
    {
        CBottomContact bottom;
        bottom.m_nContactNum = number;
        bottom.m_strType = "ohmic";
        bottom.m_dWorkFunction = workFunction;
        return bottom;
    }
};

}  // namespace

TEST_F(ContactConsistency, AnEditedContactLayerReachesEveryPlaceOfItsNumber)
{
    UseZSegments(2);
    CColumnRec& first = AddColumn(0, {"gaas", "contact"});
    SetContact(first.Layer(1), 3, 0.0, -9999, -9999);
    CColumnRec& second = AddColumn(1, {"gaas", "contact_n"});
    SetContact(second.Layer(1), 3, 0.0, -9999, -9999);
    second.m_Contacts.AddTop(Range(3, "ohmic"));
    CContactList group;
    group.m_nRow = 0;
    group.m_Contacts.resize(2);
    group.m_Contacts[0].m_nContactNum = 3;
    group.m_Contacts[1].m_nContactNum = 4;
    Seg(1).m_SideContacts.push_back(group);

    doc().SetSelection(0, 0, 1);
    // The material page stored "schottky" with barrier 0.8.
    SetContact(first.Layer(1), 3, 1.0, 0.8, -9999);
    doc().m_nContactUpdateMode = 0;
    doc().UpdateContacts();

    const CTopContact& range = Seg(1).Column(0).m_Contacts.Top(0);
    EXPECT_EQ(range.m_strType, "schottky");
    EXPECT_EQ(range.m_dBarrier, 0.8);
    EXPECT_EQ(LayerAt(1, 0, 1).m_Material.m_Bulk.m_dVar[1], 1.0);
    EXPECT_EQ(LayerAt(1, 0, 1).m_Material.m_Bulk.m_dVar[2], 0.8);
    EXPECT_EQ(Seg(1).m_SideContacts[0].m_Contacts[0].m_strType, "schottky");
    EXPECT_EQ(Seg(1).m_SideContacts[0].m_Contacts[1].m_strType, "ohmic");
}

TEST_F(ContactConsistency, AnEditedRangeReachesContactLayersByTruncatedNumber)
{
    UseZSegments(1);
    CColumnRec& column = AddColumn(0, {"contact", "contact_p", "p_contact", "contact"});
    SetContact(column.Layer(0), 2, 0, -9999, -9999);
    SetContact(column.Layer(1), 2.9, 0, -9999, -9999);
    SetContact(column.Layer(2), 2, 0, -9999, -9999);  // not a contact macro
    SetContact(column.Layer(3), 3, 0, -9999, -9999);
    column.m_Contacts.AddBottom(OhmicBottom(2, 4.5));
    doc().SetSelection(0, 0, 3);
    doc().m_nContactUpdateMode = 1;
    doc().UpdateContacts();
    EXPECT_EQ(column.Layer(0).m_Material.m_Bulk.m_dVar[3], 4.5);
    EXPECT_EQ(column.Layer(1).m_Material.m_Bulk.m_dVar[3], 4.5);
    EXPECT_EQ(column.Layer(1).m_Material.m_Bulk.m_dVar[0], 2.0);
    EXPECT_EQ(column.Layer(2).m_Material.m_Bulk.m_dVar[3], -9999);
    EXPECT_EQ(column.Layer(3).m_Material.m_Bulk.m_dVar[3], -9999);
}

TEST_F(ContactConsistency, ContactNumbersBeyondIntAreKeptWithinIt)
{
    // A contact number read from a file can be any number; it is held within int before it
    // becomes one, as the range's own number was when its text was read.
    UseZSegments(1);
    CColumnRec& column = AddColumn(0, {"contact", "contact", "contact", "contact"});
    SetContact(column.Layer(0), 1e300, 1.0, 0.7, -9999);
    SetContact(column.Layer(1), -1e300, 0, -9999, -9999);
    SetContact(column.Layer(2), 5, 0, -9999, -9999);
    SetContact(column.Layer(3), std::nan(""), 0, -9999, -9999);
    column.m_Contacts.AddTop(Range(INT_MAX, "ohmic"));
    column.m_Contacts.AddTop(Range(INT_MIN, "ohmic"));
    column.m_Contacts.AddTop(Range(0, "ohmic"));
    doc().SetSelection(0, 0, 0);
    doc().m_nContactUpdateMode = 0;
    doc().UpdateContacts();
    EXPECT_EQ(column.m_Contacts.Top(0).m_strType, "schottky");
    EXPECT_EQ(column.m_Contacts.Top(0).m_dBarrier, 0.7);
    EXPECT_EQ(column.m_Contacts.Top(1).m_strType, "ohmic");
    EXPECT_EQ(column.m_Contacts.Top(2).m_strType, "ohmic");
    EXPECT_EQ(column.Layer(1).m_Material.m_Bulk.m_dVar[2], -9999);
    EXPECT_EQ(column.Layer(2).m_Material.m_Bulk.m_dVar[2], -9999);

    // From a range: INT_MIN reaches the layer whose number lies below int.
    column.m_Contacts.Clear();
    column.m_Contacts.AddBottom(OhmicBottom(INT_MIN, 4.1));
    doc().SetSelection(0, 0, 2);
    doc().m_nContactUpdateMode = 1;
    doc().UpdateContacts();
    EXPECT_EQ(column.Layer(1).m_Material.m_Bulk.m_dVar[3], 4.1);
    EXPECT_EQ(column.Layer(1).m_Material.m_Bulk.m_dVar[0], double(INT_MIN));
    EXPECT_EQ(column.Layer(0).m_Material.m_Bulk.m_dVar[3], -9999);
}

TEST_F(ContactConsistency, TypeCodesAndTextsConvertAsTheyAlwaysDid)
{
    struct Case {
        double code;
        const char* expect;
    };
    for (const Case& c : {Case{0.0, "ohmic"}, Case{1.0, "schottky"}, Case{0.5, "ohmic"}, Case{1.000001, "schottky"}}) {
        UseZSegments(1);
        CColumnRec& column = AddColumn(0, {"gaas"});
        column.m_Contacts.AddTop(Range(5, "ohmic"));
        const double params[4] = {5.0, c.code, 0.1, 0.2};
        doc().ApplyContactParameters(0, params);
        EXPECT_EQ(column.m_Contacts.Top(0).m_strType, c.expect) << c.code;
    }
    // A range type other than exactly "ohmic" spreads as schottky.
    UseZSegments(1);
    CColumnRec& column = AddColumn(0, {"contact"});
    SetContact(column.Layer(0), 6, 0, -9999, -9999);
    column.m_Contacts.AddTop(Range(6, "Ohmic"));
    doc().SetSelection(0, 0, 0);
    doc().m_nContactUpdateMode = 1;
    doc().UpdateContacts();
    EXPECT_EQ(column.Layer(0).m_Material.m_Bulk.m_dVar[1], 1.0);
    EXPECT_EQ(column.m_Contacts.Top(0).m_strType, "schottky");
}

TEST_F(ContactConsistency, UnselectedContactLayersTakeANewPairCountedInTheUsage)
{
    UseZSegments(1);
    CColumnRec& column = AddColumn(0, {"contact", "gaas"});
    SetContact(column.Layer(0), 1, 0, -9999, -9999);
    column.Layer(0).m_nColour = 0;
    column.Layer(0).m_nPattern = 0;
    column.Layer(1).m_nColour = 1;
    column.Layer(1).m_nPattern = 1;
    doc().RecountLayerColours();
    const double params[4] = {1, 1.0, 0.7, -9999};
    doc().ApplyContactParameters(0, params);
    // The old pair is released; no equal layer exists, so the least used pair (0, 0) is taken.
    EXPECT_EQ(column.Layer(0).m_nColour, 0);
    EXPECT_EQ(g_ColourUsage[0][0], 1);
    EXPECT_EQ(g_ColourUsage[1][1], 1);
    EXPECT_EQ(column.Layer(0).m_Material.m_Bulk.m_dVar[2], 0.7);
    // Nothing for a z-segment out of range.
    doc().ApplyContactParameters(1, params);
    doc().ApplyContactParameters(-1, params);
}

TEST_F(ContactConsistency, ASheetThatChangedNoContactStillRecoloursAndStoresLabels)
{
    UseZSegments(1);
    AddColumn(0, {"gaas", "inp"});
    AddColumn(0, {"gaas", "void"});
    CColumnRec& column = Seg(0).Column(0);
    column.Layer(1).m_nColour = 9;
    doc().SetSelection(0, 0, 1);
    g_EditLayer.m_Labels = {CLabelRec{"row", 0, -9999.0}};
    g_EditColumn.m_Labels = {CLabelRec{"col", 1, -9999.0}};
    doc().m_nContactUpdateMode = -1;
    doc().UpdateContacts();
    EXPECT_EQ(column.Layer(1).m_nColour, 1);
    EXPECT_EQ(column.m_Labels.size(), 1u);
    EXPECT_EQ(column.m_Labels[0].m_strText, "col");
    ASSERT_EQ(column.Layer(1).m_Labels.size(), 1u);
    EXPECT_EQ(column.Layer(1).m_Labels[0].m_strText, "row");
    EXPECT_TRUE(LayerAt(0, 1, 1).m_Labels.empty());  // a "void" layer keeps none
    EXPECT_TRUE(Seg(0).Column(1).m_Labels.empty());
}
