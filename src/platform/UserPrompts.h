#pragma once
// Message boxes, file dialogs and font dialogs, reached through one installable service so the document and the
// file code never depend on a window system. The GUI installs the wx implementation; tests install
// a scripted one (tests/support/ScriptedPrompts.h) that records every text and answers from a queue.

#include <string>
#include <vector>

// Button and icon flags, combined with "|" as the message-box callers always did.
enum : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_ABORTRETRYIGNORE = 0x2,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_RETRYCANCEL = 0x5,
    MB_TYPEMASK = 0xF,
    MB_ICONHAND = 0x10,
    MB_ICONSTOP = 0x10,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
    MB_ICONASTERISK = 0x40,
    MB_ICONMASK = 0xF0,
};

// Answers of a message box.
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

// One file dialog: what the caller asks for and, on OK, the path(s) chosen.
struct FileDialogRequest {
    bool open = true;            // true: open dialog, false: save-as dialog
    std::string title;
    std::string defaultExt;      // without the dot, e.g. "layer"
    std::string initialPath;     // folder or file name to start from
    std::string filter;          // "Layer Files (*.layer)|*.layer|All Files (*.*)|*.*||"
    std::vector<std::string> chosenPaths;  // filled on OK (full paths)
};

// A font as the font dialog starts from it and returns it.
struct FontChoice {
    std::string faceName;
    int pointSize = 8;
    bool bold = false;
    bool italic = false;
    unsigned colour = 0;         // text colour, 0x00BBGGRR as the settings store colours
};

class IUserPrompts {
public:
    virtual ~IUserPrompts() = default;
    // Shows a modal message box and returns IDOK, IDCANCEL, IDYES, IDNO, ...
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned type) = 0;
    // Runs a modal file dialog; returns true on OK with request.chosenPaths filled.
    virtual bool FileDialog(FileDialogRequest& request) = 0;
    // Runs a modal font dialog with screen fonts and text effects (colour) started from `font`;
    // true on OK with `font` replaced by the choice. Without a window system: Cancel.
    virtual bool FontDialog(FontChoice& /*font*/) { return false; }
};

// A save-as path whose file name has no "." gets "." + defaultExt, as the file dialogs add it.
std::string WithDefaultExtension(const std::string& path, const std::string& defaultExt);
// A save dialog asks before it overwrites the name the user typed; when the default extension
// turned that name into another one, that other file may exist too. Asks `prompts` whether to
// replace it; true when nothing was added, no such file exists, or the user said Yes.
bool ConfirmReplaceAfterExtension(const std::string& typed, const std::string& chosen, IUserPrompts& prompts);

// The installed service; a console fallback (stderr, answers the default button) when none is.
IUserPrompts& UserPrompts();
// Installs a service (nullptr restores the console fallback). The caller keeps ownership.
void SetUserPrompts(IUserPrompts* prompts);

// Caption used by AfxMessageBox: the application's title.
void SetMessageBoxCaption(const std::string& caption);
const std::string& MessageBoxCaption();

// The message box with the application's caption, as every command of the system shows it.
int AfxMessageBox(const std::string& text, unsigned type = MB_OK);
