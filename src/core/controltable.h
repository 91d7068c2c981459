// The description of a window's controls: name, kind, text, geometry, tab order and limits.
// Both the widgets and the plain test controls are built from these tables, so a misspelt name
// fails in a test as it would in the window.
#pragma once

#include <QString>
#include <Qt>
#include <span>

enum class ControlKind {
    Label,
    Edit,      // single-line edit
    Memo,      // multi-line edit
    DropList,  // combo box whose text is one of its items
    EditCombo, // combo box with a free text field
    DatePicker,
    Button,
    ImageButton, // takes the focus only where its table gives it a tab place
    ListBox,
    Form, // the window itself: its text is the caption
    MultiListBox,
    CheckListBox,
    MenuItem,
};

enum class ImeMode { Default, Off, Hiragana };

// A label that shows a text the program sets and must show it whole: the edge it grows towards.
enum class LabelGrowth { None, Rightwards, Leftwards };

// What pressing a dialog button does besides running its handler.
enum class CloseRole { None, Ok, Cancel };

struct ControlSpec {
    const char16_t* name;
    ControlKind kind;
    const char16_t* text = u"";
    int x = 0, y = 0, w = 0, h = 0;
    int tab = -1;         // place in the tab order, -1 for none
    bool tabStop = false; // reached by the Tab key
    int maxLength = 0;    // characters the user may type, 0 for no limit
    int fontPx = 0;       // 0: the window's font size
    ImeMode ime = ImeMode::Default;
    const char16_t* hint = u"";
    bool enabled = true;
    int dropRows = 0;             // rows shown when a combo box drops down
    const char16_t* parent = u""; // menu items: the menu they belong to
    CloseRole closes = CloseRole::None;
    bool defaultButton = false; // pressed by Enter
    bool cancelButton = false;  // pressed by Esc
    bool rightAligned = false;
    int itemHeight = 0;
    // A key of the whole window: it runs the item or the button as a click does, or takes the
    // focus to any other control. Shown beside a menu item's caption and in a control's tool tip.
    QKeyCombination key{};
    // What a screen reader reads as the control's name where no label beside it says it.
    const char16_t* accessibleName = u"";
    // The label beside the control that names it; the label's text is the control's name.
    const char16_t* label = u"";
    // A label that grows with its text, and the x coordinate its growing edge never passes.
    LabelGrowth grows = LabelGrowth::None;
    int growLimit = 0;
    // An image button's picture (in the program's images) and where its caption sits by it.
    const char16_t* image = u"";
    Qt::ToolButtonStyle imageStyle = Qt::ToolButtonTextOnly;
};

// The control with the key of the whole window that reaches it.
constexpr ControlSpec withKey(ControlSpec c, QKeyCombination key) {
    c.key = key;
    return c;
}

constexpr ControlSpec named(ControlSpec c, const char16_t* accessibleName) {
    c.accessibleName = accessibleName;
    return c;
}

constexpr ControlSpec namedBy(ControlSpec c, const char16_t* label) {
    c.label = label;
    return c;
}

constexpr ControlSpec growing(ControlSpec c, LabelGrowth grows, int limit) {
    c.grows = grows;
    c.growLimit = limit;
    return c;
}

constexpr ControlSpec withImage(ControlSpec c, const char16_t* image, Qt::ToolButtonStyle style) {
    c.image = image;
    c.imageStyle = style;
    return c;
}

struct WindowSpec {
    const char16_t* name;
    const char16_t* caption;
    int clientWidth;
    int clientHeight;
    int fontPx; // 0: the desktop's own font; otherwise the Japanese P Gothic at this pixel size
    std::span<const ControlSpec> controls;
};

// The main window F_MAIN: every control and menu item.
const WindowSpec& mainWindowSpec();
// The dialog windows: shop-name management, products not updated for a year, products by shop,
// deleting entries of the file history.
const WindowSpec& tenmeiWindowSpec();
const WindowSpec& oldSiboWindowSpec();
const WindowSpec& miseSiboWindowSpec();
const WindowSpec& rirekiWindowSpec();

// Looks a control up by name; nullptr when the window has none of that name.
const ControlSpec* findControl(const WindowSpec& window, const QString& name);
