// The controls of the main window F_MAIN: kinds, texts, positions, sizes, tab order and limits.
#include "core/controltable.h"

namespace {

using K = ControlKind;

constexpr ControlSpec menu(const char16_t* name, const char16_t* text, const char16_t* parent = u"") {
    ControlSpec c{name, K::MenuItem, text};
    c.parent = parent;
    return c;
}

constexpr ControlSpec mainControls[] = {
    {u"F_MAIN", K::Form},
    // name, kind, text, x, y, w, h, tab, tabStop, maxLength, fontPx, ime, hint, enabled, dropRows
    {u"Label1", K::Label, u"商品名", 8, 16, 39, 13, -1, false, 0, 13},
    {u"EDT_SYOMEI", K::Edit, u"", 64, 16, 265, 23, 0, true},
    {u"Label2", K::Label, u"標準価格", 344, 16, 52, 13, -1, false, 0, 13},
    {u"EDT_TEIKA", K::Edit, u"", 408, 16, 100, 23, 1, true, 11, 0, ImeMode::Off},
    {u"BTN_CLR", K::Button, u"画面クリア", 552, 16, 89, 28, 19, true},
    {u"Label4", K::Label, u"リスト", 8, 48, 35, 15},
    {u"CBO_SYOMEI", K::DropList, u"", 64, 48, 281, 23, 2, false, 0, 0, ImeMode::Default, u"", true, 16},
    {u"LBL_KEN", K::Label, u"", 352, 53, 58, 15},
    {u"SPD_SAGAKU", K::ImageButton, u"差額表示", 432, 72, 89, 25, -1, false, 0, 12, ImeMode::Default,
     u"標準価格との差額を計算"},
    {u"BTN_ADD", K::Button, u"追加", 552, 72, 89, 41, 20, true},
    {u"Label8", K::Label, u"店名", 72, 88, 26, 13, -1, false, 0, 13},
    {u"Label7", K::Label, u"時価", 192, 88, 26, 13, -1, false, 0, 13},
    {u"Label3", K::Label, u"記録日", 304, 88, 39, 13, -1, false, 0, 13},
    {u"BTN_KOUSIN", K::Button, u"更新", 552, 112, 89, 41, 21, true},
    {u"SPD_SAVE", K::ImageButton, u"上書き保存", 552, 159, 89, 41, -1, false, 0, 12, ImeMode::Default, u"",
     false},
    {u"SPD_SAKUJYO", K::ImageButton, u"削除", 552, 264, 89, 41, -1, false, 0, 12},
    {u"Label6", K::Label, u"メモ", 8, 248, 24, 15},
    {u"Memo1", K::Memo, u"", 56, 248, 353, 89, 18, true, 800, 0, ImeMode::Default, u"400字まで改行不可"},
    {u"SPD_MEMO_DEL", K::ImageButton, u"消", 25, 314, 25, 23, -1, false, 0, 12},
    {u"SPD_1OLD", K::ImageButton, u"1年以上前データ", 416, 280, 113, 25, -1, false, 0, 12},
    {u"SPD_MISE_SIBO", K::ImageButton, u"店絞込み", 416, 312, 113, 25},
    {u"LBL_KOUSIN", K::Label, u"更新中", 8, 368, 39, 13, -1, false, 0, 13, ImeMode::Default, u"", false},
    {u"Label9", K::Label,
     u"商品に関する情報を修正されたら[更新]ボタンを押してから、保存や他の商品に変更して下さい", 72, 368, 474,
     12, -1, false, 0, 12},

// clang-format off
#define PRICE_ROW(n, top) \
    {u"BTN_DEL" #n, K::Button, u"消", 3, top, 25, 23, 26 + n, false, 0, 12}, \
    {u"CBO_MISE" #n, K::EditCombo, u"", 32, top, 120, 23, 3 * n, true, 0, 0, ImeMode::Hiragana, u"", true, 11}, \
    {u"EDT_" #n, K::Edit, u"", 160, top, 100, 23, 3 * n + 1, true, 11, 0, ImeMode::Off}, \
    {u"DTP_" #n, K::DatePicker, u"", 272, top, 120, 23, 3 * n + 2, true, 0, 0, ImeMode::Off}, \
    {u"BTN_" #n "_TODAY", K::Button, u"今日", 392, top, 50, 25, 21 + n, true}, \
    {u"LBL_SA_" #n, K::Label, u"*", 448, top + 8, 53, 13, -1, false, 0, 13}

    // The five price rows; the difference labels sit 8 pixels lower than their row.
    PRICE_ROW(1, 104),
    PRICE_ROW(2, 128),
    PRICE_ROW(3, 152),
    PRICE_ROW(4, 176),
    PRICE_ROW(5, 200),
#undef PRICE_ROW
    // clang-format on

    // The main menu; separators have the caption "-".
    menu(u"MN_FILE", u"ファイル(&F)"),
    menu(u"MN_NEW", u"新規作成", u"MN_FILE"),
    menu(u"MN_OPEN", u"開く...", u"MN_FILE"),
    menu(u"N3", u"-", u"MN_FILE"),
    menu(u"MN_SAVE", u"上書き保存", u"MN_FILE"),
    menu(u"MN_BETU_SAVE", u"別名で保存...", u"MN_FILE"),
    menu(u"N2", u"-", u"MN_FILE"),
    menu(u"MN_EXIT", u"終了(&X)", u"MN_FILE"),
    menu(u"N1", u"-", u"MN_FILE"),
    menu(u"MN_EDIT", u"編集(&E)"),
    menu(u"MN_SYOMEI_SYU", u"商品名の変更...", u"MN_EDIT"),
    menu(u"MN_TOOL", u"設定"),
    menu(u"MN_TENMEI", u"店名管理...", u"MN_TOOL"),
    menu(u"N6", u"-", u"MN_TOOL"),
    menu(u"MN_TEN_BACK", u"店名のバックアップ", u"MN_TOOL"),
    menu(u"MN_TEN_IM", u"店名の取り込み", u"MN_TOOL"),
    menu(u"N5", u"-", u"MN_TOOL"),
    menu(u"MN_ADD_OPTION", u"追加と同時に画面上の明細を消す", u"MN_TOOL"),
    menu(u"N4", u"-", u"MN_TOOL"),
    menu(u"MN_FRIREKI_DEL", u"ファイル履歴の削除...", u"MN_TOOL"),
    menu(u"MN_HE", u"ヘルプ(&H)"),
    menu(u"MN_HELP", u"説明書", u"MN_HE"),
    menu(u"MN_README", u"お読み下さい", u"MN_HE"),
    menu(u"MN_VER", u"バージョン情報...", u"MN_HE"),
    // The pop-up menu of CBO_SYOMEI.
    menu(u"PopupMenu1", u""),
    menu(u"POP_COPY", u"コピー", u"PopupMenu1"),
};

constexpr WindowSpec mainWindow{u"F_MAIN", u"", 667, 459, 15, mainControls};

} // namespace

const WindowSpec& mainWindowSpec() {
    return mainWindow;
}
