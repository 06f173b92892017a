#pragma once
// The "Label Postion" page (dialog 360) without its window: the labels of the edited layer and of
// its column. Each side has a list (captions "Layer Label%d" / "Column Label%d" number the
// positions), a name box, a location choice (the choice index is the location code + 1), a
// distance box used for the two distance locations, and the buttons Add, Remove and Set.
//
// The sheet seeds the page (SetLabels) and takes both lists back on OK (GetLabels). A label name
// must be unique among all labels of the device: the page checks its own two lists, and the stored
// labels of the device except those the OK replaces with these lists (CLabelEditScope).
//
// The window keeps the list selections and location choices in the members below as the user
// changes them; names and distances travel by the data exchange.

#include "model/LayerBlocks.h"
#include "sheets/SheetPage.h"

#include <string>
#include <vector>

class CTessaronDoc;
class IDialogControls;

class CLayerLabelPosition : public CSheetPage {
public:
    enum Kind { LAYER_LABEL = 0, COLUMN_LABEL = 1 };
    enum : int {
        IDC_LAYER_NAME = 1029,
        IDC_LAYER_LIST = 1034,
        IDC_LAYER_DELTA = 1078,
        IDC_COLUMN_NAME = 1079,
        IDC_COLUMN_DELTA = 1080,
        IDC_LAYER_LOCATION = 1194,
        IDC_COLUMN_LOCATION = 1203,
        IDC_LAYER_GROUP = 1264,
        IDC_COLUMN_GROUP = 1265,
        IDC_LAYER_ADD = 1266,
        IDC_LAYER_REMOVE = 1267,
        IDC_COLUMN_LIST = 1268,
        IDC_LAYER_SET = 1269,
        IDC_COLUMN_ADD = 1270,
        IDC_COLUMN_REMOVE = 1271,
        IDC_COLUMN_SET = 1272,
    };
    // Location choices from this index on use the distance box.
    static constexpr int kFirstDistanceLocation = 4;
    static constexpr int kLocationCount = 6;
    // The entries of the location choice of each side.
    static const char* const kLayerLocations[kLocationCount];
    static const char* const kColumnLocations[kLocationCount];

    // The document whose stored labels a new name must not repeat; without one only the page's own
    // lists are checked.
    void SetDocument(const CTessaronDoc* doc) { m_pDoc = doc; }

    void SetLabels(const std::vector<CLabelRec>& layerLabels, const std::vector<CLabelRec>& columnLabels);
    void GetLabels(std::vector<CLabelRec>& layerLabels, std::vector<CLabelRec>& columnLabels) const;

    void DoDataExchange(CDataExchange& dx) override;

    // The list captions of a side, one per label.
    std::vector<std::string> FillLayerLabels() const { return ListCaptions(LAYER_LABEL); }
    std::vector<std::string> FillColumnLabels() const { return ListCaptions(COLUMN_LABEL); }
    std::vector<std::string> ListCaptions(Kind kind) const;
    // Whether a side's distance box is enabled: a distance location is chosen.
    bool IsDeltaEnabled(Kind kind) const;

    // A list entry was selected (-1: none): its label fills the name, location and distance.
    void OnSelChangeLayerList(int index) { OnSelChangeList(LAYER_LABEL, index); }
    void OnSelChangeColumnList(int index) { OnSelChangeList(COLUMN_LABEL, index); }
    void OnSelChangeList(Kind kind, int index);
    void OnSelChangeLayerLocation(int index) { OnSelChangeLocation(LAYER_LABEL, index); }
    void OnSelChangeColumnLocation(int index) { OnSelChangeLocation(COLUMN_LABEL, index); }
    void OnSelChangeLocation(Kind kind, int index);

    // The buttons. Add and Set first read the names and distances from the controls; every
    // refusal shows its message and changes nothing. True when the list changed.
    bool OnAddLayerLabel(IDialogControls& controls) { return OnAddLabel(LAYER_LABEL, controls); }
    bool OnSetLayerLabel(IDialogControls& controls) { return OnSetLabel(LAYER_LABEL, controls); }
    bool OnRemoveLayerLabel() { return OnRemoveLabel(LAYER_LABEL); }
    bool OnAddColumnLabel(IDialogControls& controls) { return OnAddLabel(COLUMN_LABEL, controls); }
    bool OnSetColumnLabel(IDialogControls& controls) { return OnSetLabel(COLUMN_LABEL, controls); }
    bool OnRemoveColumnLabel() { return OnRemoveLabel(COLUMN_LABEL); }
    bool OnAddLabel(Kind kind, IDialogControls& controls);
    bool OnSetLabel(Kind kind, IDialogControls& controls);
    bool OnRemoveLabel(Kind kind);

    // Whether a name may be given to a label of the kind: no other label of the page (with
    // checkAll, not even the selected one) and no stored label of the device that the OK keeps.
    bool IsLabelNameFree(Kind kind, const std::string& name, bool checkAll) const;
    bool IsNameUnusedInPage(const std::string& name) const;

    std::vector<CLabelRec> m_LayerLabels;
    std::vector<CLabelRec> m_ColumnLabels;
    std::string m_strLayerName;
    double m_dLayerDelta = 0.0;
    std::string m_strColumnName;
    double m_dColumnDelta = 0.0;
    // The selected list entry of each side and its chosen location (choice index); -1 none.
    int m_nLayerSelection = -1;
    int m_nColumnSelection = -1;
    int m_nLayerLocation = -1;
    int m_nColumnLocation = -1;

private:
    std::vector<CLabelRec>& Labels(Kind kind) { return kind == LAYER_LABEL ? m_LayerLabels : m_ColumnLabels; }
    const std::vector<CLabelRec>& Labels(Kind kind) const
    {
        return kind == LAYER_LABEL ? m_LayerLabels : m_ColumnLabels;
    }
    int& Selection(Kind kind) { return kind == LAYER_LABEL ? m_nLayerSelection : m_nColumnSelection; }
    int Selection(Kind kind) const { return kind == LAYER_LABEL ? m_nLayerSelection : m_nColumnSelection; }
    int& Location(Kind kind) { return kind == LAYER_LABEL ? m_nLayerLocation : m_nColumnLocation; }
    int Location(Kind kind) const { return kind == LAYER_LABEL ? m_nLayerLocation : m_nColumnLocation; }
    std::string& Name(Kind kind) { return kind == LAYER_LABEL ? m_strLayerName : m_strColumnName; }
    double& Delta(Kind kind) { return kind == LAYER_LABEL ? m_dLayerDelta : m_dColumnDelta; }
    bool HasSelection(Kind kind) const;
    // Reads the boxes and makes the label they describe; false (after its message) when the
    // page cannot give one.
    bool MakeLabel(Kind kind, IDialogControls& controls, CLabelRec& label);
    bool IsStoredNameFree(const std::string& name) const;

    const CTessaronDoc* m_pDoc = nullptr;
};
