#include "textfiles/LayerFileUpdater.h"

#include "platform/NumberText.h"
#include "platform/Path.h"
#include "platform/StringUtil.h"
#include "textfiles/ContactMacroLines.h"
#include "textfiles/LayerFileUpdaterText.h"
#include "textfiles/LayerParamFlags.h"
#include "textfiles/MergeMemo.h"
#include "textfiles/UnreadStatements.h"

#include <algorithm>
#include <set>
#include <unordered_map>

const std::string g_strLayerMaterDefault =
    "layer_mater solve_wave=yes embedded_structure=0 n_newdoping_index=0 p_newdoping_index=0";
const std::string g_strZStructureDefault = "z_structure link_taper_contact=yes";

namespace layer_updater {

bool IsBlockKeyword(const std::string& keyword)
{
    return IsWordNoCase(keyword, "begin_layer") || IsWordNoCase(keyword, "end_layer") ||
           IsWordNoCase(keyword, "begin") || IsWordNoCase(keyword, "end") ||
           IsWordNoCase(keyword, "begin_zsol") || IsWordNoCase(keyword, "end_zsol");
}

const std::string& KindCovering(const CKeywordLine& line)
{
    static const std::string kNone, kColumn = "column", kLayer = "layer", kBottom = "bottom_contact",
                                    kTop = "top_contact", kVcsel = "vcsel_section";
    if (IsNonStructureLine(line))
        return kNone;
    const std::string& k = line.m_strKeyword;
    if (IsWordNoCase(k, "column"))
        return kColumn;
    if (IsWordNoCase(k, "layer") || IsWordNoCase(k, "layer_mater") || IsWordNoCase(k, "grating_compos") ||
        Contains(k, "new_doping"))
        return kLayer;
    if (IsWordNoCase(k, "bottom_contact"))
        return kBottom;
    if (IsWordNoCase(k, "top_contact"))
        return kTop;
    if (IsWordNoCase(k, "vcsel_section"))
        return kVcsel;
    return kNone;
}

bool IsRegeneratedStatement(const CKeywordLine& line)
{
    const std::string& k = line.m_strKeyword;
    return EqualsNoCase(k, "vcsel_section") || k == "left_contact" || k == "right_contact" ||
           k == "layer_position" || k == "column_position";
}

std::string IncludeFileName(const CKeywordLine& line)
{
    return Trim(line.GetParam("file"));
}

template <typename Predicate>
void RemoveLinesIf(CKeywordLineList& list, Predicate remove)
{
    auto& lines = list.m_lines;
    lines.erase(std::remove_if(lines.begin(), lines.end(), remove), lines.end());
}

std::string StripTrailingDigits(std::string name)
{
    while (!name.empty() && IsDigitChar(name.back()))
        name.pop_back();
    return name;
}

}  // namespace layer_updater

using namespace layer_updater;

bool IsNonStructureLine(const CKeywordLine& line)
{
    // Asked of every statement by most passes of a save: the keyword's length picks the few words
    // it can be. A block keyword ("begin_layer" and the like) is none of them and holds no
    // "new_doping", so it needs no test of its own.
    const std::string& k = line.m_strKeyword;
    if (k.empty() || k[0] == '$')
        return true;
    // "new_doping" followed by a digit anywhere in the keyword: looked for by its first letter,
    // as most keywords are too short to hold it or have no "n" where it could start.
    static constexpr std::string_view kNewDoping = "new_doping";
    for (std::size_t at = 0; at + kNewDoping.size() < k.size(); ++at)
        if (k[at] == 'n' && k.compare(at, kNewDoping.size(), kNewDoping) == 0 &&
            IsDigitChar(k[at + kNewDoping.size()]))
            return false;
    switch (k.size()) {
    case 5:
        return !IsWordNoCase(k, "layer");
    case 6:
        return !IsWordNoCase(k, "column");
    case 11:
        return !(IsWordNoCase(k, "layer_mater") || IsWordNoCase(k, "top_contact"));
    case 12:
        return !IsWordNoCase(k, "left_contact");
    case 13:
        return !(IsWordNoCase(k, "vcsel_section") || IsWordNoCase(k, "right_contact"));
    case 14:
        return !(IsWordNoCase(k, "bottom_contact") || IsWordNoCase(k, "grating_compos"));
    default:
        return true;
    }
}

CLayerFileUpdater::CLayerFileUpdater() = default;
CLayerFileUpdater::~CLayerFileUpdater() = default;

void CLayerFileUpdater::SetPath(std::string path)
{
    m_strPath = std::move(path);
}

void CLayerFileUpdater::GetFolder(std::string& folder) const
{
    folder.clear();
    if (m_strPath.size() <= 1)
        return;
    std::size_t last = FindLastSeparator(m_strPath);
    if (last != std::string::npos)
        folder = m_strPath.substr(0, last + 1);
}

std::string CLayerFileUpdater::GetFolder() const
{
    std::string folder;
    GetFolder(folder);
    return folder;
}

void CLayerFileUpdater::AppendFreshRebuilt(const CKeywordLineList& fresh, CKeywordLineList& result) const
{
    for (const CKeywordLine& line : fresh.m_lines) {
        CKeywordLine copy = line;
        RebuildLineText(copy);
        result.Append(copy);
    }
}

void CLayerFileUpdater::Update(CKeywordLineList old, CKeywordLineList& fresh, CKeywordLineList& result)
{
    m_units.clear();
    m_writtenUnits.clear();
    m_reachedIncludes.clear();
    m_includeLayerCounts.clear();
    m_beforeClearing.clear();
    m_freshDopingMoved.RemoveAll();
    m_haveFreshDopingMoved = false;
    m_defaults = CReaderDefaults(fresh, m_pMacros);

    // Preparing the old lines. What the model cannot write back becomes text to keep; included
    // blocks are sorted out next, while the statements that are regenerated below still show
    // which blocks hold them.
    KeepUnreadStatements(old);
    KeepIncompleteGratings(old, fresh);
    PrepareIncludeUnits(old);
    RemoveVcselSectionLines(old);
    RemoveSideContactLines(old);
    RemovePositionLines(old);
    double angle = 0.0;
    if (GetRotation(fresh, angle))
        UpdateRotation(old, angle);
    m_includedLines.clear();
    RememberBeforeClearing(old, "grating_compos");
    ClearGratingMacroParams(old);
    InlineIncludesOnColumnChange(old, fresh);
    ReduceOldMaterialStatements(old);
    NormalizeTopBottomContacts(old);

    if (old.IsEmpty()) {
        AppendFreshRebuilt(fresh, result);
        RemoveDefaultParams(result);
        NormalizeContactMacroParams(result, 0);
        UpdateDopingParams(result);
        return;
    }

    result.RemoveAll();
    MatchStructureLines(old, fresh);
    // Those of the main file are kept by UpdateLayerMaterPass when their clearing changes them.
    RememberBeforeClearing(old, "layer_mater", false);
    PlanUnnamedEmptyLayers(old, fresh);
    BeginMemo();
    UpdateLayerMaterPass(old, fresh);
    InlineUnitsHoldingAnchors(old, fresh);

    // First walk: each merge kind is written where its first statement stood in the old file.
    bool hasStructure = false;
    const int oldCount = old.GetCount();
    for (int i = 0; i < oldCount && i < old.GetCount(); ++i) {
        const CKeywordLine& line = old[i];
        if (line.m_nLine < 0 || IsNonStructureLine(line))
            continue;
        hasStructure = true;
        const std::string& keyword = line.m_strKeyword;  // MergeStatement takes its own copy
        if (IsKeyword(keyword, "column") || IsKeyword(keyword, "bottom_contact") || IsKeyword(keyword, "top_contact") ||
            IsKeyword(keyword, "vcsel_section"))
            MergeStatement(old, fresh, result, keyword);
        else if (IsKeyword(keyword, "layer_mater") || IsKeyword(keyword, "grating_compos"))
            MergeStatement(old, fresh, result, "layer");
    }

    if (!hasStructure) {
        // Nothing of the old file can anchor the fresh statements: they are written whole. The
        // side contacts and label positions are left to the placing passes below, which would
        // otherwise add each of them a second time.
        result.RemoveAll();
        m_settledLines.clear();
        m_memoPending.clear();
        CKeywordLineList anchored;
        for (const CKeywordLine& line : fresh.m_lines)
            if (!IsRegeneratedStatement(line) || EqualsNoCase(line.m_strKeyword, "vcsel_section"))
                anchored.Append(line);
        AppendFreshRebuilt(anchored, result);
    } else {
        // Second walk: kinds that had no statement in the old file.
        for (int i = 0; i < fresh.GetCount(); ++i) {
            if (fresh[i].m_nLine != -2)
                continue;
            const std::string& keyword = fresh[i].m_strKeyword;
            if (IsKeyword(keyword, "column") || IsKeyword(keyword, "bottom_contact") || IsKeyword(keyword, "top_contact") ||
                IsKeyword(keyword, "vcsel_section"))
                MergeStatement(old, fresh, result, keyword);
            else if (IsKeyword(keyword, "layer_mater") || IsKeyword(keyword, "grating_compos"))
                MergeStatement(old, fresh, result, "layer");
        }
        // Whatever no walk reached (a partner whose keyword differs in case only, a row statement
        // without a material statement) is still written: no statement of the model may vanish.
        for (int i = 0; i < fresh.GetCount(); ++i) {
            if (fresh[i].m_nLine == -1)
                continue;
            std::string kind = KindCovering(fresh[i]);
            if (!kind.empty())
                MergeStatement(old, fresh, result, kind);
        }
        // Third walk: the plain lines not yet written, in old order.
        std::vector<bool> included(static_cast<std::size_t>(old.GetCount()), false);
        for (int i : m_includedLines)
            if (i >= 0 && i < old.GetCount())
                included[static_cast<std::size_t>(i)] = true;
        for (int i = 0; i < old.GetCount(); ++i) {
            CKeywordLine& line = old[i];
            if (line.m_nLine < 0 || !IsNonStructureLine(line) || included[static_cast<std::size_t>(i)])
                continue;
            result.Append(line);
            line.m_nLine = -1;
        }
    }
    RunStatementPasses(result);
    PlaceSideContacts(fresh, result);
    PlaceColumnPositions(fresh, result);
    PlaceLayerPositions(fresh, result);
    UpdateVcselSections(fresh, result);
    EndMemo();
    UpdateDopingParams(result);
    KeepDopingTexts(old, result);
}

namespace {

// Copies a material statement into an empty one with room for the doping parameter that
// UpdateDopingParams appends to each: the append then moves neither its parameters nor its text.
void CopyWithRoomForDoping(const CKeywordLine& from, CKeywordLine& to)
{
    // The members of a statement, all of which are copied here.
    struct Members {
        int number;
        int source;
        std::string text;
        int modified;
        std::string keyword;
        std::vector<CKeywordParam> params;
    };
    static_assert(sizeof(Members) == sizeof(CKeywordLine), "every member of a statement is copied");
    constexpr std::size_t kDopingRoom = 32;  // " p_doping=1.e+17", after a break if need be
    to.m_nLine = from.m_nLine;
    to.m_nSource = from.m_nSource;
    to.m_strText.reserve(from.m_strText.size() + kDopingRoom);
    to.m_strText.assign(from.m_strText);
    to.m_bModified = from.m_bModified;
    to.m_strKeyword.assign(from.m_strKeyword);
    to.m_params.reserve(from.m_params.size() + 1);
    to.m_params.assign(from.m_params.begin(), from.m_params.end());
}

}  // namespace

void CLayerFileUpdater::ReduceOldMaterialStatements(CKeywordLineList& old)
{
    // NormalizeContactMacroParams(old, 1), with each statement's reduction taken from the memo when
    // an earlier save made it from the same text: the old lines are those the file was opened with,
    // so after the first save this pass finds every one of them there.
    for (CKeywordLine& line : old.m_lines) {
        if (!IsKeyword(line.m_strKeyword, "layer_mater"))
            continue;
        const int number = line.m_nLine;
        const int source = line.m_nSource;
        if (m_pMemo != nullptr && number > 0) {
            if (const CKeywordLine* known = m_pMemo->FindIdentity(number, line.m_strText)) {
                // Most statements are their own reduction: those stay as they are, uncopied.
                if (known->m_nLine != number || known->m_nSource != source || !CMergeMemo::SameLine(*known, line)) {
                    line = *known;
                    line.m_nLine = number;
                    line.m_nSource = source;
                }
                continue;
            }
        }
        const std::string text = m_pMemo != nullptr && number > 0 ? line.m_strText : std::string();
        NormalizeContactMacroParamsOfLine(line, true);
        if (m_pMemo != nullptr && number > 0)
            m_pMemo->KeepIdentity(number, text, line);
    }
}

void CLayerFileUpdater::BeginMemo()
{
    m_settledLines.clear();
    m_memoPending.clear();
    m_memoInUse = m_pMemo != nullptr;
    if (!m_memoInUse)
        return;
    // Everything a merge reads besides its two statements.
    std::string context = m_defaults.Fingerprint();
    AppendMacroFingerprint(context, m_pMacros);
    for (const auto& flag : LayerParamFlags()) {
        CMergeMemo::AppendText(context, flag.first);
        CMergeMemo::AppendNumber(context, flag.second ? 1 : 0);
    }
    m_pMemo->Begin(context);
}

bool CLayerFileUpdater::MergeParamsOrRecall(const CKeywordLine& o, const CKeywordLine& fresh, CKeywordLine& out,
                                            int at)
{
    if (!m_memoInUse) {
        MergeParams(o, fresh, out);
        return false;
    }
    // The memo is asked with all that MergeParams reads of the statements: the old one, the one it
    // was before its clearing, and the fresh one.
    // The statement before its clearing counts only where the clearing changed it.
    auto found = m_beforeClearing.find(o.m_nLine);
    const CKeywordLine* before = o.m_nLine > 0 && found != m_beforeClearing.end() &&
                                         !CMergeMemo::SameLine(found->second, o)
                                     ? &found->second
                                     : nullptr;
    if (const CKeywordLine* written = m_pMemo->Find(o, before, fresh)) {
        if (IsKeyword(written->m_strKeyword, "layer_mater"))
            CopyWithRoomForDoping(*written, out);
        else
            out = *written;
        m_settledLines.push_back(at);
        return true;
    }
    MergeParams(o, fresh, out);
    CMergeMemo::Inputs inputs;
    inputs.old = o;
    inputs.cleared = before != nullptr;
    if (before != nullptr)
        inputs.before = *before;
    inputs.fresh = fresh;
    m_memoPending.emplace_back(at, std::move(inputs));
    return false;
}

void CLayerFileUpdater::RunStatementPasses(CKeywordLineList& result)
{
    std::vector<bool> settled(static_cast<std::size_t>(result.GetCount()), false);
    for (int i : m_settledLines)
        if (i >= 0 && i < result.GetCount())
            settled[static_cast<std::size_t>(i)] = true;
    for (int i = 0; i < result.GetCount(); ++i) {
        if (settled[static_cast<std::size_t>(i)])
            continue;
        RemoveDefaultParamsOfLine(result[i]);
        NormalizeContactMacroParamsOfLine(result[i], false);
    }
    if (!m_memoInUse)
        return;
    for (int i : m_settledLines)
        if (i >= 0 && i < result.GetCount())
            result[i].m_nLine = kMemoParsedMark;
    for (std::size_t k = 0; k < m_memoPending.size(); ++k) {
        const int i = m_memoPending[k].first;
        if (i >= 0 && i < result.GetCount())
            result[i].m_nLine = kMemoPendingMark + static_cast<int>(k);
    }
}

void CLayerFileUpdater::ParseResultStatement(CKeywordLine& line)
{
    const int mark = line.m_nLine;
    if (m_memoInUse && mark == kMemoParsedMark) {
        line.m_nLine = 0;  // what the parse would leave, the rest being as parsed already
        return;
    }
    // The text is parsed where it stands, without a trimmed copy. An empty text stays empty.
    if (!line.Parse(static_cast<const std::string&>(line.m_strText)))
        line.m_strText.clear();
    if (!m_memoInUse || mark < kMemoPendingMark)
        return;
    const auto k = static_cast<std::size_t>(static_cast<long long>(mark) - kMemoPendingMark);
    if (k < m_memoPending.size())
        m_pMemo->Keep(std::move(m_memoPending[k].second), line);
}

void CLayerFileUpdater::EndMemo()
{
    if (!m_memoInUse)
        return;
    m_pMemo->End();
    m_memoInUse = false;
    m_settledLines.clear();
    m_memoPending.clear();
}

void CLayerFileUpdater::KeepUnreadStatements(CKeywordLineList& old)
{
    // An owned statement the model does not hold would be dropped with the statements it
    // regenerates, or as one without a partner: as a line without a keyword it is plain text,
    // written where it stands like a comment.
    const std::vector<bool> unread = CUnreadStatements::Find(old);
    for (int i = 0; i < old.GetCount(); ++i) {
        if (!unread[static_cast<std::size_t>(i)])
            continue;
        old[i].m_strKeyword.clear();
        old[i].m_params.clear();
    }
}

void CLayerFileUpdater::KeepIncompleteGratings(CKeywordLineList& old, const CKeywordLineList& fresh)
{
    // A grating composition that lacks one of its four macro names is held by the model, but the
    // writer leaves it out until it is complete. The statement the user wrote is kept as text where
    // it stands, like the statements the model cannot hold, unless this save writes a composition
    // for the same row and column: then that one is merged with it as usual.
    std::set<std::pair<int, std::string>> written;
    int layers = 0;
    for (const CKeywordLine& line : fresh.m_lines) {
        if (IsKeyword(line.m_strKeyword, "layer"))
            ++layers;
        else if (IsKeyword(line.m_strKeyword, "grating_compos"))
            written.emplace(layers, Trim(line.GetParam("column_num")));
    }
    layers = 0;
    for (CKeywordLine& line : old.m_lines) {
        if (IsKeyword(line.m_strKeyword, "layer")) {
            ++layers;
            continue;
        }
        if (!IsKeyword(line.m_strKeyword, "grating_compos"))
            continue;
        bool complete = true;
        for (const char* name : {"hi_macro_name", "hi_active_macro", "lo_macro_name", "lo_active_macro"})
            complete = complete && !line.GetParam(name).empty();
        if (complete || written.count(std::make_pair(layers, Trim(line.GetParam("column_num")))) > 0)
            continue;
        line.m_strKeyword.clear();
        line.m_params.clear();
    }
}

void CLayerFileUpdater::RememberBeforeClearing(const CKeywordLineList& old, const char* keyword, bool mainFile)
{
    for (const CKeywordLine& line : old.m_lines)
        if (line.m_strKeyword == keyword && line.m_nLine > 0 && (mainFile || line.m_nSource != 0))
            m_beforeClearing.emplace(line.m_nLine, line);
}

void CLayerFileUpdater::KeepDopingTexts(const CKeywordLineList& old, CKeywordLineList& result)
{
    // The doping a material statement gets from its row's "layer" statement is the fresh value in
    // compact form; when the old material statement of the same row and column held the same value
    // in the user's own text, that text is kept, so that saving a saved file changes nothing.
    // The keys are views into the old statements, which this pass does not change.
    std::unordered_map<std::pair<int, std::string_view>, const CKeywordLine*, CountTextHash> oldMaters;
    int layers = 0;
    for (const CKeywordLine& line : old.m_lines) {
        if (IsKeyword(line.m_strKeyword, "layer"))
            ++layers;
        else if (IsKeyword(line.m_strKeyword, "layer_mater"))
            oldMaters.emplace(std::make_pair(layers, TrimmedView(line.ParamValue("column_num"))), &line);
    }
    layers = 0;
    for (CKeywordLine& line : result.m_lines) {
        if (IsKeyword(line.m_strKeyword, "layer")) {
            ++layers;
            continue;
        }
        if (IsKeyword(line.m_strKeyword, "include")) {
            layers += CountLayersInInclude(line);
            continue;
        }
        if (!IsKeyword(line.m_strKeyword, "layer_mater") || line.m_params.empty())
            continue;
        CKeywordParam& doping = line.m_params.back();
        if ((doping.m_strName != "n_doping" && doping.m_strName != "p_doping") || !doping.HasNoSourceText())
            continue;
        auto it = oldMaters.find(std::make_pair(layers, TrimmedView(line.ParamValue("column_num"))));
        if (it == oldMaters.end())
            continue;
        const std::string& text = it->second->ParamValue(doping.m_strName);
        if (!text.empty() && text != doping.m_strValue && CompareValueText(text, doping.m_strValue)) {
            doping.m_strValue = text;
            line.WrapText();
        }
    }
}

void RemoveVcselSectionLines(CKeywordLineList& list)
{
    RemoveLinesIf(list, [](const CKeywordLine& l) { return EqualsNoCase(l.m_strKeyword, "vcsel_section"); });
}

void RemoveSideContactLines(CKeywordLineList& list)
{
    RemoveLinesIf(list, [](const CKeywordLine& l) {
        return IsKeyword(l.m_strKeyword, "left_contact") || IsKeyword(l.m_strKeyword, "right_contact");
    });
}

void RemovePositionLines(CKeywordLineList& list)
{
    RemoveLinesIf(list, [](const CKeywordLine& l) {
        return IsKeyword(l.m_strKeyword, "layer_position") || IsKeyword(l.m_strKeyword, "column_position");
    });
}
