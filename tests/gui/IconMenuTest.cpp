// The menu bar with tool-bar pictures: each command on the mode's tool bar shows its button's
// picture at its first place in the menus, and the shortcut texts stand in the menus' shortcut
// column.

#include "AppHarness.h"
#include "CommandIds.h"
#include "support/ScriptedPrompts.h"
#include "app/IconMenu.h"
#include "app/MainFrame.h"
#include "app/ToolBarArt.h"

#include <gtest/gtest.h>
#include <wx/accel.h>
#include <wx/menu.h>

#include <dlfcn.h>
#include <memory>

namespace {

// Whether two bitmaps hold the same pixels.
bool SamePixels(const wxBitmap& a, const wxBitmap& b)
{
    if (!a.IsOk() || !b.IsOk() || a.GetSize() != b.GetSize())
        return false;
    const wxImage x = a.ConvertToImage(), y = b.ConvertToImage();
    return std::equal(x.GetData(), x.GetData() + size_t(x.GetWidth()) * x.GetHeight() * 3, y.GetData());
}

// Whether the toolkit shows the item's picture whatever the desktop's setting for menu pictures.
bool ShowsPictureAlways(wxMenuItem* item)
{
    using GetProperties = void (*)(void* object, const char* firstName, ...);
    const auto getProperties = reinterpret_cast<GetProperties>(dlsym(RTLD_DEFAULT, "g_object_get"));
    int always = 0;
    if (getProperties && item->GetMenuItem())
        getProperties(item->GetMenuItem(), "always-show-image", &always, static_cast<const char*>(nullptr));
    return always != 0;
}

// The items of the bar's drop-down menu titled `title`, in order.
std::vector<wxMenuItem*> ItemsOf(wxMenuBar& bar, const char* title)
{
    const int index = bar.FindMenu(title);
    EXPECT_NE(index, wxNOT_FOUND) << title;
    std::vector<wxMenuItem*> items;
    if (index != wxNOT_FOUND)
        for (wxMenuItem* item : bar.GetMenu(size_t(index))->GetMenuItems())
            items.push_back(item);
    return items;
}

}  // namespace

TEST(IconMenu, CommandsOfTheToolBarShowTheirPictureAtTheirFirstPlaceOnly)
{
    AppTree tree;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "brenvik"));  // a running program: the toolkit and its menus

    CIconMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_BRENVIK));
    ASSERT_TRUE(menu.ImportToolbarImages({IDR_BRENVIK}));
    std::unique_ptr<wxMenuBar> bar(menu.CreateMenuBar());
    ASSERT_NE(bar, nullptr);

    const std::vector<wxMenuItem*> layer = ItemsOf(*bar, "Layer");
    ASSERT_EQ(layer.size(), 10u);
    EXPECT_EQ(layer[2]->GetItemLabelText(), "Copy");
    EXPECT_TRUE(SamePixels(layer[2]->GetBitmap(), ToolBarBitmap(ID_LAYER_COPY)));
    EXPECT_EQ(CommandIdOfWx(layer[6]->GetId()), ID_LAYER_PASTE_ROW_MATERIAL);  // on no tool bar
    EXPECT_FALSE(layer[6]->GetBitmap().IsOk());
    EXPECT_EQ(menu.FindItem(ID_LAYER_PASTE_ROW_MATERIAL)->imageSource, -1);
    EXPECT_EQ(menu.FindItem(ID_LAYER_COPY)->imageSource, IDR_BRENVIK);

    // "&New" and "Close" issue the same command: the picture goes to "&New" only.
    const std::vector<wxMenuItem*> file = ItemsOf(*bar, "File");
    ASSERT_GE(file.size(), 3u);
    EXPECT_EQ(file[0]->GetItemLabelText(), "New");
    EXPECT_TRUE(SamePixels(file[0]->GetBitmap(), ToolBarBitmap(ID_FILE_NEW)));
    EXPECT_EQ(file[2]->GetItemLabelText(), "Close");
    EXPECT_FALSE(file[2]->GetBitmap().IsOk());

    // Every button of the tool bar gives its picture to the menu item of its command, if any.
    for (const ToolButtonRes& button : ModeToolButtons(false)) {
        if (!button.id || !menu.FindItem(button.id))
            continue;
        EXPECT_EQ(menu.FindItem(button.id)->imageSource, IDR_BRENVIK) << button.id;
        EXPECT_TRUE(bar->FindItem(WxId(button.id))->GetBitmap().IsOk()) << button.id;
    }
    StopApp();
}

TEST(IconMenu, ShortcutsStandInTheShortcutColumnBesideUnpaddedLabels)
{
    AppTree tree;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "brenvik"));
    CIconMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_BRENVIK));
    std::unique_ptr<wxMenuBar> bar(menu.CreateMenuBar());
    const struct {
        int id;
        const char* label;
        int flags;
        int key;
    } cases[] = {{ID_FILE_NEW, "&New", wxACCEL_CTRL, 'N'},
                 {ID_FILE_OPEN, "&Open...", wxACCEL_CTRL, 'O'},
                 {ID_FILE_SAVE, "&Save", wxACCEL_CTRL, 'S'},
                 {ID_COLUMN_NEW, "New Co&lumn", wxACCEL_ALT, 'L'}};
    for (const auto& c : cases) {
        wxMenuItem* item = bar->FindItem(WxId(c.id));
        ASSERT_NE(item, nullptr) << c.id;
        EXPECT_EQ(item->GetItemLabel().BeforeFirst('\t'), c.label);
        std::unique_ptr<wxAcceleratorEntry> accel(item->GetAccel());
        ASSERT_NE(accel, nullptr) << c.id;
        EXPECT_EQ(accel->GetFlags(), c.flags) << c.id;
        EXPECT_EQ(accel->GetKeyCode(), c.key) << c.id;
    }
    // An item without a shortcut has none.
    std::unique_ptr<wxAcceleratorEntry> none(bar->FindItem(WxId(ID_FILE_SAVE_AS))->GetAccel());
    EXPECT_EQ(none, nullptr);
    StopApp();
}

TEST(IconMenu, AMenuOrToolBarTheProgramDoesNotHaveGivesNothing)
{
    AppTree tree;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "tessaron"));
    CIconMenu missing;
    EXPECT_FALSE(missing.LoadMenu(129));
    EXPECT_EQ(missing.CreateMenuBar(), nullptr);

    // A tool bar that cannot be loaded gives no pictures; the others still give theirs.
    CIconMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TESSARON));
    EXPECT_FALSE(menu.ImportToolbarImages({131, IDR_TESSARON}));
    EXPECT_EQ(menu.FindItem(ID_ZSEG_NEW)->imageSource, IDR_TESSARON);
    StopApp();
}

TEST(IconMenu, TheFramesMenuGetsItsPicturesOnceTheFrameIsUp)
{
    AppTree tree;
    for (const char* program : {"brenvik", "tessaron"}) {
        SCOPED_TRACE(program);
        ScriptedPrompts prompts;
        ASSERT_TRUE(StartApp(tree, program));
        PumpEvents(300);  // the frame's timer puts in the menu with pictures
        wxMenuBar* bar = Frame()->GetMenuBar();
        EXPECT_TRUE(SamePixels(bar->FindItem(WxId(ID_LAYER_COPY))->GetBitmap(), ToolBarBitmap(ID_LAYER_COPY)));
        EXPECT_TRUE(ShowsPictureAlways(bar->FindItem(WxId(ID_LAYER_COPY))));
        EXPECT_TRUE(SamePixels(bar->FindItem(WxId(ID_COLUMN_NEW))->GetBitmap(), ToolBarBitmap(ID_COLUMN_NEW)));
        EXPECT_FALSE(bar->FindItem(WxId(ID_HELP_USER_MANUAL))->GetBitmap().IsOk());
        StopApp();
    }
}
