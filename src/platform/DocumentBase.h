#pragma once
// The duties of a framework document that the program's document relies on: the path name and
// title, the modified flag, the new-document and delete-contents steps, the save-changes prompt,
// updating all views with a hint, and command dispatch with enabling as a pure query.

#include "platform/CommandState.h"

#include <string>

class IViewsHub;

class CDocumentBase {
public:
    CDocumentBase() = default;
    virtual ~CDocumentBase() = default;
    CDocumentBase(const CDocumentBase&) = delete;
    CDocumentBase& operator=(const CDocumentBase&) = delete;

    const std::string& GetPathName() const { return m_strPathName; }
    // Stores the path and derives the title (the file name); with addToMRU a real path also goes
    // into the application's recent-file list.
    virtual void SetPathName(const std::string& path, bool addToMRU = true);
    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(const std::string& title) { m_strTitle = title; }

    virtual bool IsModified() const { return m_bModified; }
    virtual void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

    // Empties the document's data; called before new, open and close.
    virtual void DeleteContents() {}
    // The framework's new-document step: DeleteContents, no path, not modified.
    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const std::string& path);
    virtual bool OnSaveDocument(const std::string& path);

    // Before the document is closed or replaced: asks "Save changes to <name>?" when modified.
    // Yes saves (false when the save fails), No goes on, Cancel returns false.
    virtual bool SaveModified();
    // Saves to the present path, or asks for one when there is none.
    virtual bool DoFileSave();
    // Runs the save-as file dialog (when `path` is empty) and saves; true when saved.
    virtual bool DoSave(const std::string& path, bool replace = true);

    // The views: none until the GUI attaches its hub.
    void SetViews(IViewsHub* views) { m_pViews = views; }
    IViewsHub* GetViews() const { return m_pViews; }
    // A document may bring what its views read up to date first.
    virtual void UpdateAllViews(int hint = 0);

    // Runs a command the document owns; false when the id is not the document's.
    virtual bool OnCommand(int id);
    // The enabling rule of a command; `handled` is false for ids the document does not own.
    virtual CommandState QueryCommand(int id) const;

protected:
    std::string m_strPathName;
    std::string m_strTitle;
    bool m_bModified = false;
    IViewsHub* m_pViews = nullptr;
};
