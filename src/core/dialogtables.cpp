// The controls of the four dialog windows.
#include "core/controltable.h"
#include "core/windownames.h"

namespace {

using K = ControlKind;

constexpr ControlSpec button(const char16_t* name, const char16_t* text, int x, int y, int w, int h, int tab,
                             bool tabStop, CloseRole closes, bool isDefault, bool isCancel) {
    ControlSpec c{name, K::Button, text, x, y, w, h, tab, tabStop};
    c.closes = closes;
    c.defaultButton = isDefault;
    c.cancelButton = isCancel;
    return c;
}

constexpr ControlSpec list(const char16_t* name, ControlKind kind, int x, int y, int w, int h, int tab,
                           bool tabStop, int fontPx, int itemHeight) {
    ControlSpec c{name, kind, u"", x, y, w, h, tab, tabStop, 0, fontPx};
    c.itemHeight = itemHeight;
    return c;
}

constexpr ControlSpec banme() {
    ControlSpec c{ftenmei::LB_BANME, K::Label, u"\u3000\u3000", 209, 32, 16, 12};
    c.rightAligned = true;
    // The position grows up to the caption 入力ボックス.
    return growing(c, LabelGrowth::Leftwards, 100);
}

constexpr ControlSpec tenmeiControls[] = {
    {ftenmei::F_TENMEI, K::Form, u"店名管理"},
    {ftenmei::Label1, K::Label, u"入力ボックスに店名を入力したら[追加]をクリックして下さい", 16, 8, 296, 12},
    {ftenmei::Label3, K::Label, u"入力ボックス", 32, 32, 65, 12},
    banme(),
    // Every control that does something is a tab stop, the list and the two arrows included, so
    // that the whole dialog can be used from the keyboard.
    namedBy({ftenmei::TXT_MOJI_EDIT, K::Edit, u"", 32, 48, 217, 23, 0, true, 0, 15}, ftenmei::Label3),
    button(ftenmei::BTN_KOUSIN, u"更新", 256, 48, 75, 25, 2, true, CloseRole::None, false, false),
    named(list(ftenmei::ListBox1, K::MultiListBox, 32, 80, 217, 185, 1, true, 15, 15), u"店名の一覧"),
    button(ftenmei::BTN_TSUIKA, u"追加", 256, 88, 75, 25, 3, true, CloseRole::None, false, false),
    withKey(named({ftenmei::SPD_L_UP, K::ImageButton, u"↑", 336, 120, 23, 22, 4, true}, u"上へ移動"),
            Qt::ALT | Qt::Key_Up),
    withKey(named({ftenmei::SPD_L_DOWN, K::ImageButton, u"↓", 336, 144, 23, 22, 5, true}, u"下へ移動"),
            Qt::ALT | Qt::Key_Down),
    button(ftenmei::BTN_SAKUJYO, u"削除", 256, 179, 75, 25, 6, true, CloseRole::None, false, false),
    button(ftenmei::BTN_JYUNBAN, u"順番保存", 256, 220, 75, 25, 7, true, CloseRole::None, false, false),
    button(ftenmei::OKBtn, u"閉じる", 372, 208, 75, 25, 8, true, CloseRole::Ok, true, false),
};

constexpr ControlSpec oldSiboControls[] = {
    {foldsibo::F_OLD_SIBO, K::Form, u"１年以上前のデータ"},
    named(list(foldsibo::LST_SYO, K::ListBox, 16, 16, 281, 185, 2, true, 15, 15), u"商品の一覧"),
    button(foldsibo::OKBtn, u"OK", 79, 220, 75, 25, 0, true, CloseRole::Ok, true, false),
    button(foldsibo::CancelBtn, u"閉じる", 159, 220, 75, 25, 1, true, CloseRole::Cancel, false, true),
};

constexpr ControlSpec miseSiboControls[] = {
    {fmisesibo::F_MISE_SIBO, K::Form, u"店名絞込み"},
    named({fmisesibo::CBO_MISE, K::DropList, u"", 16, 16, 281, 23, 2, true, 0, 15, ImeMode::Default, u"",
           true, 16},
          u"店名"),
    named(list(fmisesibo::LST_SYO, K::ListBox, 16, 48, 281, 155, 3, true, 15, 15), u"商品の一覧"),
    button(fmisesibo::OKBtn, u"OK", 79, 220, 75, 25, 0, true, CloseRole::Ok, true, false),
    button(fmisesibo::CancelBtn, u"閉じる", 159, 220, 75, 25, 1, true, CloseRole::Cancel, false, true),
};

constexpr ControlSpec rirekiControls[] = {
    {frireki::F_RIREKI, K::Form, u"ファイル履歴の削除"},
    named(list(frireki::CK_LBOX, K::CheckListBox, 9, 9, 365, 174, 0, true, 16, 0), u"ファイル履歴"),
    // 全削除 is a tab stop too, last in the order, so that the keyboard reaches it.
    button(frireki::BTN_ALL, u"全削除", 67, 195, 81, 27, 3, true, CloseRole::None, false, false),
    button(frireki::OKBtn, u"削除", 155, 195, 81, 27, 1, true, CloseRole::None, false, false),
    button(frireki::CancelBtn, u"キャンセル", 242, 195, 81, 27, 2, true, CloseRole::Cancel, true, true),
};

constexpr WindowSpec tenmei{ftenmei::F_TENMEI, u"店名管理", 470, 274, 12, tenmeiControls};
constexpr WindowSpec oldSibo{foldsibo::F_OLD_SIBO, u"１年以上前のデータ", 313, 258, 0, oldSiboControls};
constexpr WindowSpec miseSibo{fmisesibo::F_MISE_SIBO, u"店名絞込み", 313, 258, 0, miseSiboControls};
constexpr WindowSpec rireki{frireki::F_RIREKI, u"ファイル履歴の削除", 386, 231, 0, rirekiControls};

} // namespace

const WindowSpec& tenmeiWindowSpec() {
    return tenmei;
}

const WindowSpec& oldSiboWindowSpec() {
    return oldSibo;
}

const WindowSpec& miseSiboWindowSpec() {
    return miseSibo;
}

const WindowSpec& rirekiWindowSpec() {
    return rireki;
}
