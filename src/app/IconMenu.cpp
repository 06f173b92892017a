#include "app/IconMenu.h"

#include "app/ToolBarArt.h"

#include <wx/menu.h>

#ifdef __WXGTK__
#include <dlfcn.h>
#endif

namespace {

bool IsModeResource(int id) { return id == IDR_TESSARON || id == IDR_BRENVIK; }

// The status text of a command: the name its tool-bar button carries, else the first part of
// its prompt.
wxString CommandText(int id, bool b3dMode)
{
    for (const ToolButtonRes& b : ModeToolButtons(b3dMode))
        if (b.id == id)
            return b.text;
    return wxString(CommandPrompt(id)).BeforeFirst('\n');
}

// GTK desktops hide the pictures of menu items unless an item asks to show its own, by its
// "always-show-image" property. The property is set through the object system the toolkit is
// built on, found in the running process.
void ShowPictureAlways(wxMenuItem* item)
{
#ifdef __WXGTK__
    using SetProperties = void (*)(void* object, const char* firstName, ...);
    static const auto setProperties = reinterpret_cast<SetProperties>(dlsym(RTLD_DEFAULT, "g_object_set"));
    if (setProperties && item->GetMenuItem())
        setProperties(item->GetMenuItem(), "always-show-image", 1, static_cast<const char*>(nullptr));
#else
    (void)item;
#endif
}

}  // namespace

bool CIconMenu::LoadMenu(int resourceId)
{
    m_popups.clear();
    m_bLoaded = false;
    if (!IsModeResource(resourceId))
        return false;
    m_nResourceId = resourceId;
    for (const MenuRes& res : ModeMenus(resourceId == IDR_TESSARON)) {
        Popup popup;
        popup.title = res.title;
        for (const MenuItemRes& item : res.items)
            popup.items.push_back({item, -1});
        m_popups.push_back(std::move(popup));
    }
    m_bLoaded = true;
    return true;
}

CIconMenu::Item* CIconMenu::FindFirstItem(int id)
{
    for (Popup& popup : m_popups)
        for (Item& item : popup.items)
            if (item.res.label && item.res.id == id)
                return &item;
    return nullptr;
}

const CIconMenu::Item* CIconMenu::FindItem(int id) const { return const_cast<CIconMenu*>(this)->FindFirstItem(id); }

bool CIconMenu::ImportToolbarImages(const std::vector<int>& toolBarIds)
{
    bool all = true;
    for (int toolBar : toolBarIds) {
        if (!IsModeResource(toolBar)) {
            all = false;
            continue;
        }
        for (const ToolButtonRes& button : ModeToolButtons(toolBar == IDR_TESSARON))
            if (button.id != 0)
                if (Item* item = FindFirstItem(button.id))
                    item->imageSource = toolBar;
    }
    return all;
}

wxMenuBar* CIconMenu::CreateMenuBar() const
{
    if (!m_bLoaded)
        return nullptr;
    const bool b3d = m_nResourceId == IDR_TESSARON;
    auto* bar = new wxMenuBar;
    for (const Popup& popup : m_popups) {
        auto* menu = new wxMenu;
        for (const Item& item : popup.items) {
            if (!item.res.label) {
                menu->AppendSeparator();
                continue;
            }
            // The shortcut behind a tab goes into the menu's right-aligned shortcut column.
            wxString label = item.res.label;
            if (*item.res.shortcut)
                label += wxString("\t") + item.res.shortcut;
            const bool checkable = IsCheckCommand(item.res.id);
            auto* entry = new wxMenuItem(menu, WxId(item.res.id), label, CommandText(item.res.id, b3d),
                                         checkable ? wxITEM_CHECK : wxITEM_NORMAL);
            // The toolkit gives pictures to plain items only: a check item shows its check mark.
            const bool pictured = item.imageSource >= 0 && !checkable;
            if (pictured)
                entry->SetBitmap(ToolBarBitmap(item.res.id));
            menu->Append(entry);
            if (pictured)
                ShowPictureAlways(entry);
        }
        bar->Append(menu, popup.title);
    }
    return bar;
}
