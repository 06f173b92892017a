#pragma once
// The main frame's menu bar with the tool-bar pictures beside the commands they stand for. It is
// built from the mode's menu resource (130 for the layer builder, 128 for the 3-D editor), takes
// its pictures from tool bars, and becomes a native menu bar: the toolkit draws the items in the
// desktop's menu font and colours, raises or greys the pictures with the item's state and puts the
// shortcut texts of a drop-down menu in one right-aligned column.

#include "MenuResources.h"

#include <string>
#include <vector>

class wxMenuBar;

class CIconMenu {
public:
    // One item of a drop-down menu: the resource entry and the tool bar its picture comes from
    // (-1 for none).
    struct Item {
        MenuItemRes res;
        int imageSource = -1;
    };
    struct Popup {
        std::string title;
        std::vector<Item> items;
    };

    // Builds the menu from menu resource `resourceId`; false (an empty menu) for an id the program
    // has no menu for.
    bool LoadMenu(int resourceId);
    // Gives every item whose command is on one of the tool bars that button's picture, the first
    // item of a command only; true when every tool bar could be loaded.
    bool ImportToolbarImages(const std::vector<int>& toolBarIds);

    bool IsLoaded() const { return m_bLoaded; }
    const std::vector<Popup>& Popups() const { return m_popups; }
    // The first item of command `id`, or nullptr.
    const Item* FindItem(int id) const;

    // A native menu bar of this menu (nullptr when none is loaded); the caller owns it.
    wxMenuBar* CreateMenuBar() const;

private:
    Item* FindFirstItem(int id);

    std::vector<Popup> m_popups;
    int m_nResourceId = 0;
    bool m_bLoaded = false;
};
