#pragma once
// The ordered list of the device's z-segments along z: z range, name and material set of each.
// It moves the following z-segments along z on insertion and deletion and names the z-segments.

#include <string>
#include <utility>
#include <vector>

#include "model/MaterialSet.h"

class CSegInfo {
public:
    double m_dZBegin = 0.0;
    double m_dZEnd = 0.0;
    std::string m_strName;
    int m_nNamed = 0;          // 1: the name is the z-segment's own; 0: named automatically
    CMaterialSet m_MaterialSet;

    CSegInfo() = default;
    CSegInfo(const CSegInfo&) = default;
    CSegInfo& operator=(const CSegInfo&) = default;
    CSegInfo(CSegInfo&&) = default;
    CSegInfo& operator=(CSegInfo&&) = default;
    virtual ~CSegInfo() = default;
};

class CSegInfoList {
public:
    std::string m_strName;     // title of the document's file
    int m_nNaming = 0;         // 0: every renaming names all records automatically

    CSegInfoList() = default;
    CSegInfoList(const CSegInfoList&) = default;
    CSegInfoList& operator=(const CSegInfoList&) = default;
    CSegInfoList(CSegInfoList&&) = default;
    CSegInfoList& operator=(CSegInfoList&&) = default;
    virtual ~CSegInfoList() = default;

    // Name emptied, naming flag 0, no records.
    void Clear();
    int GetCount() const { return static_cast<int>(m_Records.size()); }
    // Record i; no range check.
    CSegInfo* GetAt(int i) { return &m_Records[i]; }
    const CSegInfo* GetAt(int i) const { return &m_Records[i]; }
    CSegInfo GetCopy(int i) const { return m_Records[i]; }
    void Append(const CSegInfo& record) { m_Records.push_back(record); }
    void Append(CSegInfo&& record) { m_Records.push_back(std::move(record)); }

    // Inserts at position (refused with a message at position 0 of a non-empty list), moves the
    // following records along z and renames.
    void InsertSegment(int position, const CSegInfo& record);
    // Removes record i and moves the following ones back by its length; nothing for a bad index.
    void DeleteSegment(int i);
    // Adds dz to the z range of record first and every record after it.
    void ShiftZ(int first, double dz);
    void SetNameFromPath(const std::string& path);

    bool IsNameUnused(const std::string& name) const;
    std::string GetNameBefore(int i) const;
    int FindNameSplit(const std::string& name) const;
    std::string GetNamePrefix(const std::string& name) const;
    std::string GetNameSuffix(const std::string& name) const;
    void RenameAfterInsert(int position);
    // A name no record carries, numbered on from record i's name; empty for an empty name.
    std::string MakeUniqueName(int i) const;

private:
    std::vector<CSegInfo> m_Records;   // in z order
};

// The file name of a path without its folder and last extension.
std::string GetPathTitle(const std::string& path);
