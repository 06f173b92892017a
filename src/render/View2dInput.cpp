#include "render/View2dInput.h"

#include "CommandIds.h"
#include "model/Polygon2D.h"
#include "model/ZSegment.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A drag starts once the mouse is this many pixels away from the press in x or in y.
constexpr int kDragThreshold = 6;
constexpr int kPromptLayer = 2;   // "a)Right-click to modify, b)Drag and release a layer ..."
constexpr int kPromptSpace = 3;   // "Drag to move the device, ..."

CClientPoint PointOf(const CMouse2d& mouse) { return {mouse.x, mouse.y}; }

bool IsPlainVoid(const CLayerRec& layer) { return layer.m_Material.m_Bulk.m_strName == "void"; }

// A rectangle with left <= right and top <= bottom.
CClientRect Normalised(const CClientRect& r)
{
    return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
            std::max(r.top, r.bottom)};
}

CClientRect ClientRectOfLayer(const CView2dState& view, const CLayerRec& layer)
{
    float r[4];
    return Normalised(WorldRectToClient(view, ModelRectOf(layer.GetRect(r))));
}

const CLayerRec* LayerOf(const CZSegment* segment, CLayerRef layer)
{
    if (!segment || !segment->HasLayer(layer.column, layer.row)) return nullptr;
    return &segment->GetColumn(layer.column).GetLayer(layer.row);
}

CLayerRef SelectedLayer(const IView2dDocument& doc)
{
    const CZSegment* segment = doc.CurrentSegment();
    if (!segment || !doc.HasSelection()) return {};
    return {segment->m_nSelectedColumn, segment->m_nSelectedRow};
}

bool HitTest(const CView2dState& view, IView2dDocument& doc, CClientPoint point, CLayerRef& hit)
{
    doc.PrepareDrawing();
    const CZSegment* segment = doc.CurrentSegment();
    return segment && HitTestLayer2d(view, *segment, point, hit);
}

void ClearDragLayers(CInput2dState& input)
{
    input.dragSource = input.dropTarget = input.previousTarget = CLayerRef();
}

void Select(IView2dDocument& doc, CLayerRef layer)
{
    doc.SetSelection(doc.CurrentSegmentNumber() - 1, layer.column, layer.row);
}

// The end of a layer drag over a target: the source is copied (with CTRL moved) onto it.
void DropLayer(IView2dDocument& doc, CLayerRef target, bool move)
{
    const CLayerRef source = SelectedLayer(doc);
    const CZSegment* segment = doc.CurrentSegment();
    if (!segment || !source.IsSet() || !segment->HasLayer(source.column, source.row) || target == source) return;
    // Taken before the cut: the cut moves the records the target was found in.
    // The drag is Copy (or Cut) and Paste by other means: when the menu would not copy or cut the
    // layer, the drag does not either, and nothing is pasted (the clipboard may hold another layer).
    const int take = move ? ID_LAYER_CUT : ID_LAYER_COPY;
    if (!doc.IsCommandEnabled(take)) return;
    if (move) segment->PlaceAfterLayerRemoval(source.column, source.row, target.column, target.row);
    doc.SendCommand(take);
    Select(doc, target);
    doc.SendCommand(ID_LAYER_PASTE);
}

void Pan(CInput2dState& input, CView2dState& view, CClientPoint point)
{
    const CModelPoint a = UnProjectPoint(view, point);
    const CModelPoint b = UnProjectPoint(view, input.lastPoint);
    view.tx += (a.x - b.x) * view.sx;
    view.ty += (a.y - b.y) * view.sy;
}

void Zoom(CInput2dState& input, CView2dState& view, CClientPoint point)
{
    const float f = DragZoomFactor(input.lastPoint.y, point.y);
    if (view.zoomX) view.sx = ZoomedScale(view.sx, f);
    if (view.zoomY) view.sy = ZoomedScale(view.sy, f);
}

void DragLayer(CInput2dState& input, const CView2dState& view, IView2dDocument& doc, CClientPoint point,
               CInput2dResult& r)
{
    if (std::abs(point.x - input.pressPoint.x) < kDragThreshold &&
        std::abs(point.y - input.pressPoint.y) < kDragThreshold) {
        input.overTarget = false;
        return;
    }
    r.moveDragRect = true;
    r.oldDragRect = input.dragRect;
    const int dx = point.x - input.lastPoint.x, dy = point.y - input.lastPoint.y;
    input.dragRect = {input.dragRect.left + dx, input.dragRect.top + dy, input.dragRect.right + dx,
                      input.dragRect.bottom + dy};
    if (input.previousTarget.IsSet()) doc.SetDropTarget(input.previousTarget, false);
    const CClientPoint centre{(input.dragRect.left + input.dragRect.right) / 2,
                              (input.dragRect.top + input.dragRect.bottom) / 2};
    CLayerRef hit;
    input.overTarget = HitTest(view, doc, centre, hit);
    input.dropTarget = input.overTarget ? hit : CLayerRef();
    if (input.overTarget) doc.SetDropTarget(hit, true);
    input.previousTarget = input.dropTarget;
    input.lastPoint = point;
}

} // namespace

bool HitTestLayer2d(const CView2dState& view, const CZSegment& segment, CClientPoint point, CLayerRef& hit)
{
    // The pixel's centre: a layer covers the pixels from its left edge up to its right edge, not
    // including the pixels on the right edge, as window regions do.
    const double px = point.x + 0.5, py = point.y + 0.5;
    for (int c = 0; c < segment.GetColumnCount(); ++c) {
        const CColumnRec& column = segment.GetColumn(c);
        for (int r = 0; r < column.GetLayersInUse(); ++r) {
            const CLayerRec& layer = column.GetLayer(r);
            if (IsPlainVoid(layer)) continue;
            std::vector<CPoint3f> corners;
            for (const CPoint3f& corner : {layer.m_A, layer.m_C, layer.m_B, layer.m_D}) {
                const CClientPoint p = ProjectPoint(view, {corner.x, corner.y});
                corners.emplace_back(float(p.x), float(p.y), 0.0f);
            }
            CPolygon2D polygon;
            polygon.SetPoints(corners);
            if (polygon.Contains(px, py)) {
                hit = {c, r};
                return true;
            }
        }
    }
    return false;
}

CModelPoint DeviceCoordinate2d(const CView2dState& view, const CZSegment* segment, CClientPoint point,
                               CLayerRef over)
{
    if (!segment) return {0.0f, 0.0f};
    const CModelPoint model = UnProjectPoint(view, point);
    const CLayerRec* layer = LayerOf(segment, over);
    if (!layer) return model;
    const CColumnRec& column = segment->GetColumn(over.column);
    float y = 0.0f;
    for (int r = 0; r < over.row; ++r)
        if (!IsPlainVoid(column.GetLayer(r))) y += column.GetLayer(r).m_fHeight;
    const float drawn = layer->m_A.y - layer->m_C.y;
    if (!IsPlainVoid(*layer) && drawn != 0.0f) y += layer->m_fHeight * (model.y - layer->m_C.y) / drawn;
    return {model.x, y};
}

void ResetInput2d(CInput2dState& input)
{
    ClearDragLayers(input);
    input.gesture = EGesture2d::Idle;
    input.overTarget = false;
    input.contextMenuAllowed = true;
}

CInput2dResult LeftButtonDown2d(CInput2dState& input, const CView2dState& view, IView2dDocument& doc,
                                const CMouse2d& mouse)
{
    CInput2dResult r;
    if (doc.SegmentsInUse() < 1) return r;
    r.captureMouse = true;
    input.pressPoint = input.lastPoint = PointOf(mouse);
    if (mouse.right) {
        input.gesture = EGesture2d::Zoom;
        input.contextMenuAllowed = false;
        r.cursor = ECursor2d::Zoom;
        return r;
    }
    if (mouse.shift) {
        r.cursor = ECursor2d::Pan;
        return r;
    }
    CLayerRef hit;
    const bool onLayer = HitTest(view, doc, PointOf(mouse), hit);
    const CLayerRec* layer = onLayer ? LayerOf(doc.CurrentSegment(), hit) : nullptr;
    if (layer && !layer->m_nSelected) {
        Select(doc, hit);
        input.dragSource = input.dropTarget = input.previousTarget = hit;
        input.dragRect = ClientRectOfLayer(view, *layer);
    } else {
        // A press on the selected layer or beside every layer: nothing selected, a drag pans.
        r.cursor = ECursor2d::Pan;
        doc.SetSelection(-1, -1, -1);
        ClearDragLayers(input);
    }
    r.prompt = onLayer ? kPromptLayer : kPromptSpace;
    doc.UpdateAllViews();
    return r;
}

CInput2dResult LeftButtonUp2d(CInput2dState& input, IView2dDocument& doc, const CMouse2d& mouse)
{
    CInput2dResult r;
    if (doc.SegmentsInUse() < 1) return r;
    r.releaseMouse = true;
    if (input.gesture == EGesture2d::LayerDrag) {
        if (input.dropTarget.IsSet()) doc.SetDropTarget(input.dropTarget, false);
        if (input.overTarget && input.dropTarget.IsSet()) DropLayer(doc, input.dropTarget, mouse.ctrl);
    }
    ClearDragLayers(input);
    input.overTarget = false;
    input.gesture = EGesture2d::Idle;
    r.invalidate = true;
    return r;
}

CInput2dResult RightButtonDown2d(CInput2dState& input, const CView2dState& view, IView2dDocument& doc,
                                 const CMouse2d& mouse)
{
    CInput2dResult r;
    if (doc.SegmentsInUse() < 1) return r;
    input.pressPoint = PointOf(mouse);
    r.captureMouse = true;
    if (mouse.left) {
        input.gesture = EGesture2d::Zoom;
        input.contextMenuAllowed = false;
        r.cursor = ECursor2d::Zoom;
        return r;
    }
    CLayerRef hit;
    if (doc.CurrentSegmentNumber() >= 1 && HitTest(view, doc, PointOf(mouse), hit)) {
        Select(doc, hit);
        doc.SendCommand(ID_LAYER_MODIFY);
    }
    return r;
}

CInput2dResult RightButtonUp2d(CInput2dState& input, const CView2dState& view, IView2dDocument& doc,
                               const CMouse2d& mouse)
{
    CInput2dResult r;
    if (doc.SegmentsInUse() < 1) return r;
    if (mouse.left) {
        // The zoom ends; the left button goes on from here.
        r.cursor = ECursor2d::Pan;
        input.lastPoint = PointOf(mouse);
        const CLayerRef selected = SelectedLayer(doc);
        if (const CLayerRec* layer = LayerOf(doc.CurrentSegment(), selected))
            input.dragRect = ClientRectOfLayer(view, *layer);
    } else {
        r.releaseMouse = true;
    }
    r.showContextMenu = input.contextMenuAllowed;
    input.contextMenuAllowed = true;
    return r;
}

CInput2dResult MouseMove2d(CInput2dState& input, CView2dState& view, IView2dDocument& doc, bool captured,
                           const CMouse2d& mouse)
{
    CInput2dResult r;
    if (doc.SegmentsInUse() < 1) return r;
    const CClientPoint point = PointOf(mouse);
    if (!captured) {
        r.showLayerInfo = true;
        input.lastPoint = point;
        return r;
    }
    if (mouse.left) {
        if (mouse.right)
            input.gesture = EGesture2d::Zoom;
        else if (!mouse.shift && doc.HasSelection())
            input.gesture = EGesture2d::LayerDrag;
        else
            input.gesture = EGesture2d::Pan;
    }
    switch (input.gesture) {
    case EGesture2d::Pan:
    case EGesture2d::Zoom:
        if (input.gesture == EGesture2d::Pan)
            Pan(input, view, point);
        else
            Zoom(input, view, point);
        SetProjection2d(view, view.clientWidth, view.clientHeight);
        r.setProjection = true;
        input.lastPoint = point;
        break;
    case EGesture2d::LayerDrag: DragLayer(input, view, doc, point, r); break;
    case EGesture2d::Idle: input.lastPoint = point; break;
    }
    return r;
}

namespace {

void ScaleSwitchedAxes(CView2dState& view, float factor)
{
    if (view.zoomX) view.sx *= factor;
    if (view.zoomY) view.sy *= factor;
    SetProjection2d(view, view.clientWidth, view.clientHeight);
}

} // namespace

void ZoomIn2d(CView2dState& view) { ScaleSwitchedAxes(view, 1.5f); }

void ZoomOut2d(CView2dState& view) { ScaleSwitchedAxes(view, 0.6666667f); }
