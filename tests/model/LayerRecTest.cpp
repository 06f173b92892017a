#include "model/LayerRec.h"

#include <gtest/gtest.h>

namespace {

CLayerMaterial Material(const std::string& bulk, double var1 = 0.0)
{
    CLayerMaterial m;
    m.m_Bulk.m_strName = bulk;
    m.m_Bulk.m_dVar[0] = var1;
    m.m_Active.Edit().m_strName = "void";
    return m;
}

CLayerRec Layer(float height, float lower, float upper)
{
    CLayerRec layer;
    layer.m_fHeight = height;
    layer.m_fWidth = lower;
    layer.m_fLowerWidth = lower;
    layer.m_fUpperWidth = upper;
    layer.m_Material = Material("gaas");
    return layer;
}

}  // namespace

TEST(LayerRec, ConstructionDefaults)
{
    CLayerRec layer;
    EXPECT_EQ(layer.m_nPattern, 2);
    EXPECT_EQ(layer.m_nColour, 0);
    EXPECT_EQ(layer.m_nSolveWave, 1);
    EXPECT_EQ(layer.m_nEmbedded, 0);
    EXPECT_EQ(layer.m_Vcsel->m_strActive, "no");
    EXPECT_TRUE(layer.m_Vcsel->m_strGratingModel.empty());
    EXPECT_TRUE(layer.m_Vcsel->m_strVcselType.empty());
    EXPECT_EQ(layer.m_Vcsel->m_nMeshPoints, 0);
    EXPECT_FLOAT_EQ(layer.m_Doping.m_fGaussianTail, 0.001f);
    EXPECT_FLOAT_EQ(layer.m_Doping.m_fValue, 0.0f);
    const int spares[8] = {100, 100, 200, 200, 0, 0, 0, 0};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(layer.m_nSpare[i], spares[i]) << i;
    EXPECT_EQ(layer.m_Grating->m_nColumn, -1);
    EXPECT_EQ(layer.m_Grating->m_nGratingOrder, 1);
    EXPECT_DOUBLE_EQ(layer.m_Grating->m_dHigh, 0.1);
    EXPECT_DOUBLE_EQ(layer.m_Grating->m_dLoAVar[4], -9999.0);
    EXPECT_EQ(layer.m_wEdgeFlags, 0);
    EXPECT_FLOAT_EQ(layer.m_A.x + layer.m_B.y + layer.m_C.z + layer.m_D.x, 0.0f);
    EXPECT_TRUE(layer.m_Labels.empty());
    EXPECT_TRUE(layer.IsEmpty());  // no bulk macro yet
}

TEST(LayerRec, CopyIsDeepAndComplete)
{
    CLayerRec a = Layer(1.5f, 3.0f, 2.0f);
    a.m_strComment = "$ row one";
    a.m_Labels.push_back({"top", 0, -9999.0});
    a.m_Grating.Edit().m_strHiMacro = "algaas";
    a.m_nSpare2 = 7;
    a.m_VcselStatement.Edit().Parse(std::string("vcsel_section vcsel_type=top"));
    CLayerRec b(a);
    CLayerRec c;
    c = a;
    a.m_Labels[0].m_strText = "changed";
    a.m_Grating.Edit().m_strHiMacro.clear();
    a.m_VcselStatement.Edit().SetParam("vcsel_type", "bottom", true);
    for (const CLayerRec* copy : {&b, &c}) {
        EXPECT_EQ(copy->m_Labels.at(0).m_strText, "top");
        EXPECT_EQ(copy->m_Grating->m_strHiMacro, "algaas");
        EXPECT_EQ(copy->m_strComment, "$ row one");
        EXPECT_EQ(copy->m_nSpare2, 7);
        EXPECT_EQ(copy->m_VcselStatement->GetParam("vcsel_type"), "top");
        EXPECT_FLOAT_EQ(copy->m_fUpperWidth, 2.0f);
    }
}

TEST(LayerRec, MaterialEquality)
{
    struct Case {
        const char* what;
        CLayerMaterial a, b;
        bool equal;
    };
    CLayerMaterial graded = Material("algaas");
    graded.m_Grading.Edit().m_nGradeVar = 1;
    CLayerMaterial otherDirection = graded;
    otherDirection.m_Grading.Edit().m_strDirection = "+y";
    CLayerMaterial gradeFrom = graded;
    gradeFrom.m_Grading.Edit().m_fGradeFrom = 0.5f;
    CLayerMaterial activeContact = Material("gaas");
    activeContact.m_Active.Edit().m_strName = "contact";
    CLayerMaterial activeContact2 = Material("gaas");
    activeContact2.m_Active.Edit().m_strName = "contact2";
    CLayerMaterial activeVar = Material("gaas");
    activeVar.m_Active.Edit().m_dVar[5] = 1.0;
    const Case cases[] = {
        {"contact names of any tail", Material("contact"), Material("contact_xyz"), true},
        {"capital C is no contact", Material("Contact"), Material("contact"), false},
        {"different names", Material("gaas"), Material("algaas"), false},
        {"variables 1e-4 apart", Material("gaas", 0.0), Material("gaas", 1e-4), false},
        {"variables 0.5e-4 apart", Material("gaas", 0.0), Material("gaas", 0.5e-4), true},
        {"contacts still compare variables", Material("contact", 1.0), Material("contact2", 2.0), false},
        {"grade variable", graded, Material("algaas"), false},
        {"grading direction", graded, otherDirection, false},
        {"grade from", graded, gradeFrom, false},
        {"active macro has no contact rule", activeContact, activeContact2, false},
        {"active variables", activeVar, Material("gaas"), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.a == c.b, c.equal) << c.what;
        EXPECT_EQ(c.b == c.a, c.equal) << c.what;
    }
}

TEST(LayerRec, DopingEquality)
{
    CLayerDoping base;
    base.m_strKind = "n";
    base.m_fValue = 1e18f;
    struct Case {
        const char* what;
        void (*change)(CLayerDoping&);
        bool equal;
    };
    const Case cases[] = {
        {"gaussian tail only", [](CLayerDoping& d) { d.m_fGaussianTail = 0.5f; }, true},
        {"new-doping indices only", [](CLayerDoping& d) { d.m_nNNewDopingIndex = 3; d.m_nPNewDopingIndex = 4; }, true},
        {"kind", [](CLayerDoping& d) { d.m_strKind = "p"; }, false},
        {"kind case", [](CLayerDoping& d) { d.m_strKind = "N"; }, false},
        {"value", [](CLayerDoping& d) { d.m_fValue = 2e18f; }, false},
        {"new-doping text", [](CLayerDoping& d) { d.m_strNewDoping = "new_doping x=1"; }, false},
    };
    for (const Case& c : cases) {
        CLayerDoping other = base;
        c.change(other);
        EXPECT_EQ(base == other, c.equal) << c.what;
    }
}

TEST(LayerRec, EmptyLayerByBulkName)
{
    const std::pair<const char*, bool> cases[] = {
        {"", true}, {"a", true}, {"void", true}, {"voidx", true}, {"void macro", true},
        {"vo", false}, {"gaas", false}, {"Void", false}, {"contact", false},
    };
    for (const auto& [name, empty] : cases) {
        CLayerRec layer;
        layer.m_Material.m_Bulk.m_strName = name;
        EXPECT_EQ(layer.IsEmpty(), empty) << '"' << name << '"';
    }
}

TEST(LayerRec, SetExtentPlacesOutline)
{
    struct Case {
        bool clamp;
        float height, minHeight, shift, drawnHeight;
    };
    const Case cases[] = {
        {true, 0.002f, 0.01f, 0.0f, 0.01f},
        {false, 0.002f, 0.01f, 0.0f, 0.002f},
        {true, 0.5f, 0.01f, 0.25f, 0.5f},
    };
    for (const Case& c : cases) {
        CLayerRec layer = Layer(c.height, 3.0f, 2.0f);
        layer.m_nSelected = 1;
        layer.m_B.z = 9.0f;
        layer.SetExtent(CPoint3f(1.0f, 2.0f, 0.0f), c.shift, c.clamp, c.minHeight);
        EXPECT_FLOAT_EQ(layer.m_fHeight, c.height);
        EXPECT_FLOAT_EQ(layer.m_C.x, 1.0f);
        EXPECT_FLOAT_EQ(layer.m_C.y, 2.0f);
        EXPECT_FLOAT_EQ(layer.m_B.x, 4.0f);
        EXPECT_FLOAT_EQ(layer.m_B.y, 2.0f);
        EXPECT_FLOAT_EQ(layer.m_B.z, 9.0f);  // z of B is not the layout's business
        EXPECT_FLOAT_EQ(layer.m_A.x, 1.0f + c.shift);
        EXPECT_NEAR(layer.m_A.y - 2.0f, c.drawnHeight, 1e-6);
        EXPECT_FLOAT_EQ(layer.m_D.x, 1.0f + c.shift + 2.0f);
        EXPECT_FLOAT_EQ(layer.m_D.y, layer.m_A.y);
        EXPECT_EQ(layer.m_nSelected, 0);

        float rect[4];
        EXPECT_EQ(layer.GetRect(rect), rect);
        EXPECT_FLOAT_EQ(rect[0], layer.m_A.y);
        EXPECT_FLOAT_EQ(rect[1], layer.m_A.x);
        EXPECT_FLOAT_EQ(rect[2], layer.m_B.x);
        EXPECT_FLOAT_EQ(rect[3], layer.m_B.y);
        EXPECT_FALSE(IsDegenerateRect(rect));
    }
    const float flat[4] = {1.0f, 2.0f, 2.0f, 1.0f};
    EXPECT_TRUE(IsDegenerateRect(flat));
}

TEST(LayerRec, ExtendBounds)
{
    CLayerRec layer = Layer(1.0f, 3.0f, 2.0f);
    layer.SetExtent(CPoint3f(-1.0f, 0.5f, 0.0f), 0.5f, false, 0.0f);
    struct Case {
        const char* what;
        int solveWave;
        const char* bulk;
        bool widened;
    };
    const Case cases[] = {
        {"solve wave off", 0, "gaas", false},
        {"empty layer", 1, "void", false},
        {"regular layer", 1, "gaas", true},
    };
    for (const Case& c : cases) {
        CLayerRec l = layer;
        l.m_nSolveWave = c.solveWave;
        l.m_Material.m_Bulk.m_strName = c.bulk;
        float minX = 0.0f, maxX = 1.0f, minY = 1.0f, maxY = 1.2f;
        EXPECT_EQ(l.ExtendBounds(minX, maxX, minY, maxY), c.widened) << c.what;
        if (c.widened) {
            EXPECT_FLOAT_EQ(minX, -1.0f);
            EXPECT_FLOAT_EQ(maxX, 2.0f);
            EXPECT_FLOAT_EQ(minY, 0.5f);
            EXPECT_FLOAT_EQ(maxY, 1.5f);
        } else {
            EXPECT_FLOAT_EQ(minX, 0.0f);
            EXPECT_FLOAT_EQ(maxX, 1.0f);
            EXPECT_FLOAT_EQ(minY, 1.0f);
            EXPECT_FLOAT_EQ(maxY, 1.2f);
        }
    }
}

TEST(LayerRec, Splits)
{
    CLayerRec layer = Layer(1.0f, 3.0f, 2.5f);
    layer.m_strComment = "kept";
    CLayerRec first, second;

    EXPECT_TRUE(layer.SplitHorizontal(0.25, first, second));
    EXPECT_FLOAT_EQ(first.m_fHeight, 0.75f);
    EXPECT_FLOAT_EQ(second.m_fHeight, 0.25f);
    for (const CLayerRec* part : {&first, &second}) {
        EXPECT_FLOAT_EQ(part->m_fLowerWidth, 3.0f);
        EXPECT_EQ(part->m_strComment, "kept");
    }

    EXPECT_TRUE(layer.SplitVertical(1.0, first, second));
    EXPECT_FLOAT_EQ(first.m_fWidth, 1.0f);
    EXPECT_FLOAT_EQ(first.m_fUpperWidth, 1.0f);
    EXPECT_FLOAT_EQ(first.m_fLowerWidth, 1.0f);
    EXPECT_FLOAT_EQ(second.m_fWidth, 2.0f);
    EXPECT_FLOAT_EQ(second.m_fUpperWidth, 1.5f);
    EXPECT_FLOAT_EQ(second.m_fLowerWidth, 2.0f);
    EXPECT_FLOAT_EQ(second.m_fHeight, 1.0f);

    // No check that the cut lies inside: the callers do that.
    EXPECT_TRUE(layer.SplitVertical(4.0, first, second));
    EXPECT_FLOAT_EQ(second.m_fLowerWidth, -1.0f);
    EXPECT_FLOAT_EQ(second.m_fUpperWidth, -1.5f);
}

TEST(LayerRec, PasteMaterialTakesOnlyMaterialData)
{
    CLayerRec source = Layer(9.0f, 9.0f, 9.0f);
    source.m_Material = Material("algaas", 0.3);
    source.m_Doping.m_strKind = "p";
    source.m_Vcsel.Edit().m_strVcselType = "top";
    source.m_nVcselFlag = 1;
    source.m_nColour = 5;
    source.m_nPattern = 6;
    source.m_nMaterialTag = 3;
    source.m_strComment = "source comment";
    source.m_nSolveWave = 0;
    source.m_Labels.push_back({"src", 1, -9999.0});

    CLayerRec target = Layer(1.0f, 2.0f, 2.0f);
    target.m_nRow = 4;
    target.m_strComment = "target comment";
    target.PasteMaterial(source);

    EXPECT_TRUE(target.m_Material == source.m_Material);
    EXPECT_EQ(target.m_Doping.m_strKind, "p");
    EXPECT_EQ(target.m_Vcsel->m_strVcselType, "top");
    EXPECT_EQ(target.m_nVcselFlag, 1);
    EXPECT_EQ(target.m_nColour, 5);
    EXPECT_EQ(target.m_nPattern, 6);
    EXPECT_EQ(target.m_nMaterialTag, 3);
    EXPECT_EQ(target.m_nRow, 4);
    EXPECT_FLOAT_EQ(target.m_fHeight, 1.0f);
    EXPECT_EQ(target.m_strComment, "target comment");
    EXPECT_EQ(target.m_nSolveWave, 1);
    EXPECT_TRUE(target.m_Labels.empty());
}

TEST(LayerRec, MaterialIndexColour)
{
    struct Case {
        int index;
        bool valid;
        unsigned char r, g, b;
    };
    const Case cases[] = {
        {0, true, 255, 128, 128}, {9, true, 44, 130, 64}, {22, true, 192, 64, 64},
        {23, false, 1, 2, 3},     {-1, false, 1, 2, 3},
    };
    for (const Case& c : cases) {
        unsigned char r = 1, g = 2, b = 3;
        EXPECT_EQ(MaterialIndexColour(c.index, r, g, b), c.valid) << c.index;
        EXPECT_EQ(r, c.r) << c.index;
        EXPECT_EQ(g, c.g) << c.index;
        EXPECT_EQ(b, c.b) << c.index;
    }
}

TEST(LayerRec, LabelComparison)
{
    struct Case {
        CLabelRec a, b;
        bool samePlacement, equal;
    };
    const Case cases[] = {
        {{"x", 1, 0.0}, {"x", 1, 5.0}, true, true},
        {{"x", 3, 1.0}, {"x", 3, 1.000005}, true, true},
        {{"x", 3, 1.0}, {"y", 3, 1.000005}, true, false},
        {{"x", 3, 1.0}, {"x", 3, 1.00002}, false, false},
        {{"x", 4, 1.0}, {"x", 4, 1.00002}, false, false},
        {{"x", 0, 1.0}, {"x", 2, 1.0}, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.a.SamePlacement(c.b), c.samePlacement) << c.a.m_nLocation << " " << c.b.m_dOffset;
        EXPECT_EQ(c.a == c.b, c.equal) << c.a.m_strText << c.b.m_strText;
    }
}

TEST(LayerRec, GratingResetRestoresFreshValues)
{
    CGratingComposRec grating;
    grating.m_nPresent = 1;
    grating.m_strLoActiveMacro = "x";
    grating.m_dRise = 3.0;
    grating.m_dHiVar[2] = 1.0;
    grating.m_nGratingOrder = 4;
    grating.m_nColumn = 2;
    grating.Reset();
    CGratingComposRec fresh;
    EXPECT_EQ(grating.m_nPresent, 0);
    EXPECT_TRUE(grating.m_strLoActiveMacro.empty());
    EXPECT_DOUBLE_EQ(grating.m_dRise, fresh.m_dRise);
    EXPECT_DOUBLE_EQ(grating.m_dHiVar[2], -9999.0);
    EXPECT_EQ(grating.m_nGratingOrder, 1);
    EXPECT_EQ(grating.m_nColumn, -1);
}
