#pragma once
// The "z-segment Position" dialog (dialog 241) without its window: where a further z-segment of the
// device begins and ends, entered either as From and To or as a segment length and a taper length
// (the gap after the end of the z-segment before it), and optionally the existing ".layer" file the
// z-segment is to be read from.
//
// The caller sets From, To and the reference z (the end of the z-segment before) before the dialog
// opens and reads From, To and the layer file name after OK; an empty name means no file. Which of
// the two entries is used is the process-wide g_bZSegByLengths, shared with the z-segment page: the
// next page or dialog opens with the choice made last.

#include <string>

class CDataExchange;
class IDialogControls;

class CZSegPositionDlg {
public:
    enum : int {
        IDC_BY_POSITION = 1105,
        IDC_BY_LENGTHS = 1106,
        IDC_FROM = 1178,
        IDC_TO = 1179,
        IDC_SEGMENT_LENGTH = 1257,
        IDC_IMPORT = 1258,
        IDC_LAYER_FILE = 1259,
        IDC_USE_EXISTING_FILE = 1260,
        IDC_TAPER_LENGTH = 1261,
    };
    static constexpr double kMaxLength = 10000.0;
    static const char kCaption[];          // "z-segment Position"
    static const char kLayerFileFilter[];  // "Layer Files(*.layer)|*.layer||"
    static const char kInvalidFileName[];  // "Please input a valid layer file name!"

    double m_dReferenceZ = 0.0;
    double m_dFrom = 0.0;
    double m_dTo = 0.0;
    double m_dSegmentLength = 0.0;
    std::string m_strLayerFile;
    double m_dTaperLength = 0.0;
    // The check box "Use existing layer file".
    bool m_bUseExistingFile = false;

    void DoDataExchange(CDataExchange& dx);

    // The radio button of the entry in use: IDC_BY_LENGTHS or IDC_BY_POSITION.
    static int GetPositionRadio();
    // From and To are edited with the position entry, the two lengths with the lengths entry; the
    // file box and Import while "Use existing layer file" is ticked. Other controls: always.
    bool IsControlEnabled(int id) const;
    // The radio buttons: the entry chosen is the one every page and dialog opens with from now on
    // (the z-segment page shares them).
    static void OnRadioPosition();
    static void OnRadioLengths();
    void OnUseExistingLayerFile(bool ticked) { m_bUseExistingFile = ticked; }
    // Import: once the boxes read without a refusal, the file dialog asks for a ".layer" file; on
    // OK the file box shows its full path.
    void OnImport(IDialogControls& controls);
    // OK: true when the dialog ends with OK, with From and To computed from the lengths when they
    // are used and the file name emptied unless "Use existing layer file" is ticked; false (after
    // a message) keeps the dialog open.
    bool OnOK(IDialogControls& controls);
};
