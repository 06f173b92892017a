#pragma once
// The series target of a value of the contact grid: which contact value a right click on the cell
// offers to sweep. The grid keeps one per cell and copies the clicked one for the series command,
// which finds the value's place in the layer file index (CLayerFileIndex::FindContactItem).

#include <string>

struct CSeriesTarget {
    int m_nZSeg = -1;          // z-segment index, from 0
    int m_nOwner = -1;         // column of a top or bottom range, layer of a side contact
    int m_nContact = -1;       // the contact's place among its owner's contacts, from 0
    int m_nValueKind = -1;     // 0 from, 1 to, 2 barrier, 3 work function; below 0 nothing to sweep
    double m_dValue = 0.0;     // the value shown; -9999 when there is none
    std::string m_strKeyword;  // "bottom_contact", "top_contact", "left_contact" or "right_contact"
};
