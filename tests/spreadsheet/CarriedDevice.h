#pragma once
// A text of what a workbook carries of a device, for comparing a device with the one its exported
// workbook imports to: per z-segment in use the header texts and, in the 3-D editor, z planes, z
// range and taper points; per column its width, mesh count and ratio, and bottom and top contacts
// (range, type, work function, number); per layer its thickness, edge widths, vertical mesh,
// materials with their values and grading range, doping, remark (without the layer-number tail
// the import writes anew) and grating composition. A column shorter than others is carried with
// the empty layers the workbook's rows give it above its own (void, the row's thickness and mesh,
// as wide as its top layer), as its ".layer" file gives them too.
//
// Not carried, so not in the text: contact barriers, a contact layer's number and type, side contacts, labels, VCSEL sections, the
// column mesh's shift centre, the grading direction, the Gauss tail, new-doping indexes, solve-wave,
// the extra-mesh flags, the rotation, the taper link and the solution method; nor the style of a
// macro (free or old) that the library defines both ways with the same number of values.

#include <string>

class CTessaronDoc;

// At most `zsegments` z-segments from the first (-1 all in use).
std::string CarriedDevice(const CTessaronDoc& doc, bool with3dGeometry, int zsegments = -1);
