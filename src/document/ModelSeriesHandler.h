#pragma once
// What the document's model-series commands need of the series code, which sits above the
// document: the series code implements it and the application hands it to the document. The
// document keeps the commands' enabling rule and the changes of the model a series makes.

class CTessaronDoc;

class IModelSeriesHandler {
public:
    virtual ~IModelSeriesHandler() = default;
    // "Seri Column Width": a width variable for the selected layer, added to the series table.
    virtual void OnSeriColumnWidth(CTessaronDoc& doc) = 0;
    // "Seri Bulk Compos" (active false) and "Seri Active Compos" (active true): a series over one
    // parameter of the selected layer's bulk or active macro.
    virtual void OnSeriCompos(CTessaronDoc& doc, bool active) = 0;
};
