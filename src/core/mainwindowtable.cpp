// The controls of the main window F_MAIN: kinds, texts, positions, sizes, tab order and limits.
#include "core/controltable.h"
#include "core/windownames.h"

namespace {

using K = ControlKind;

constexpr ControlSpec menu(const char16_t* name, const char16_t* text, const char16_t* parent = u"") {
    ControlSpec c{name, K::MenuItem, text};
    c.parent = parent;
    return c;
}

// The keys of the whole window are none that the edits use for themselves (keyboard_test).
constexpr ControlSpec mainControls[] = {
    {fmain::F_MAIN, K::Form},
    // name, kind, text, x, y, w, h, tab, tabStop, maxLength, fontPx, ime, hint, enabled, dropRows
    {fmain::Label1, K::Label, u"商品名", 8, 16, 39, 13, -1, false, 0, 13},
    namedBy({fmain::EDT_SYOMEI, K::Edit, u"", 64, 16, 265, 23, 0, true}, fmain::Label1),
    {fmain::Label2, K::Label, u"標準価格", 344, 16, 52, 13, -1, false, 0, 13},
    namedBy({fmain::EDT_TEIKA, K::Edit, u"", 408, 16, 100, 23, 1, true, 11, 0, ImeMode::Off}, fmain::Label2),
    {fmain::BTN_CLR, K::Button, u"画面クリア", 552, 16, 89, 28, 19, true},
    {fmain::Label4, K::Label, u"リスト", 8, 48, 35, 15},
    // The product list is no tab stop: its key takes the focus there, where the arrow keys pick.
    withKey(namedBy({fmain::CBO_SYOMEI, K::DropList, u"", 64, 48, 281, 23, 2, false, 0, 0, ImeMode::Default,
                     u"", true, 16},
                    fmain::Label4),
            Qt::CTRL | Qt::Key_L),
    {fmain::LBL_KEN, K::Label, u"", 352, 53, 58, 15},
    withKey(withImage({fmain::SPD_SAGAKU, K::ImageButton, u"差額表示", 432, 72, 89, 25, -1, false, 0, 12,
                       ImeMode::Default, u"標準価格との差額を計算"},
                      u"calculator", Qt::ToolButtonTextBesideIcon),
            Qt::Key_F9),
    {fmain::BTN_ADD, K::Button, u"追加", 552, 72, 89, 41, 20, true},
    {fmain::Label8, K::Label, u"店名", 72, 88, 26, 13, -1, false, 0, 13},
    {fmain::Label7, K::Label, u"時価", 192, 88, 26, 13, -1, false, 0, 13},
    {fmain::Label3, K::Label, u"記録日", 304, 88, 39, 13, -1, false, 0, 13},
    {fmain::BTN_KOUSIN, K::Button, u"更新", 552, 112, 89, 41, 21, true},
    withImage({fmain::SPD_SAVE, K::ImageButton, u"上書き保存", 552, 159, 89, 41, -1, false, 0, 12,
               ImeMode::Default, u"", false},
              u"floppy", Qt::ToolButtonTextUnderIcon),
    withKey(withImage({fmain::SPD_SAKUJYO, K::ImageButton, u"削除", 552, 264, 89, 41, -1, false, 0, 12},
                      u"wastebin", Qt::ToolButtonTextUnderIcon),
            Qt::CTRL | Qt::SHIFT | Qt::Key_Delete),
    {fmain::Label6, K::Label, u"メモ", 8, 248, 24, 15},
    namedBy({fmain::Memo1, K::Memo, u"", 56, 248, 353, 89, 18, true, 800, 0, ImeMode::Default,
             u"400字まで改行不可"},
            fmain::Label6),
    withKey(
        named({fmain::SPD_MEMO_DEL, K::ImageButton, u"消", 25, 314, 25, 23, -1, false, 0, 12}, u"メモを消す"),
        Qt::CTRL | Qt::SHIFT | Qt::Key_M),
    withKey({fmain::SPD_1OLD, K::ImageButton, u"1年以上前データ", 416, 280, 113, 25, -1, false, 0, 12},
            Qt::CTRL | Qt::Key_1),
    withKey({fmain::SPD_MISE_SIBO, K::ImageButton, u"店絞込み", 416, 312, 113, 25}, Qt::CTRL | Qt::Key_2),
    named({fmain::LBL_KOUSIN, K::Label, u"更新中", 8, 368, 39, 13, -1, false, 0, 13, ImeMode::Default, u"",
           false},
          u"更新中"),
    {fmain::Label9, K::Label,
     u"商品に関する情報を修正されたら[更新]ボタンを押してから、保存や他の商品に変更して下さい", 72, 368, 474,
     12, -1, false, 0, 12},

// clang-format off
// Each control is read with its role and the row's number; the differences grow up to the buttons.
#define PRICE_ROW(n, top) \
    withKey(named({u"BTN_DEL" #n, K::Button, u"消", 3, top, 25, 23, 26 + n, false, 0, 12}, u"消 " #n), Qt::ALT | Qt::Key_##n), \
    named({u"CBO_MISE" #n, K::EditCombo, u"", 32, top, 120, 23, 3 * n, true, 0, 0, ImeMode::Hiragana, u"", true, 11}, u"店名 " #n), \
    named({u"EDT_" #n, K::Edit, u"", 160, top, 100, 23, 3 * n + 1, true, 11, 0, ImeMode::Off}, u"時価 " #n), \
    named({u"DTP_" #n, K::DatePicker, u"", 272, top, 120, 23, 3 * n + 2, true, 0, 0, ImeMode::Off}, u"記録日 " #n), \
    named({u"BTN_" #n "_TODAY", K::Button, u"今日", 392, top, 50, 25, 21 + n, true}, u"今日 " #n), \
    growing({u"LBL_SA_" #n, K::Label, u"*", 448, top + 8, 53, 13, -1, false, 0, 13}, LabelGrowth::Rightwards, 548)

    // One row for each price slot of a record (mainwindow_test counts them); the difference labels
    // sit 8 pixels lower than their row.
    PRICE_ROW(1, 104),
    PRICE_ROW(2, 128),
    PRICE_ROW(3, 152),
    PRICE_ROW(4, 176),
    PRICE_ROW(5, 200),
#undef PRICE_ROW
    // clang-format on

    // The main menu; separators have the caption "-".
    menu(fmain::MN_FILE, u"ファイル(&F)"),
    withKey(menu(fmain::MN_NEW, u"新規作成", fmain::MN_FILE), Qt::CTRL | Qt::Key_N),
    withKey(menu(fmain::MN_OPEN, u"開く...", fmain::MN_FILE), Qt::CTRL | Qt::Key_O),
    menu(fmain::N3, u"-", fmain::MN_FILE),
    withKey(menu(fmain::MN_SAVE, u"上書き保存", fmain::MN_FILE), Qt::CTRL | Qt::Key_S),
    withKey(menu(fmain::MN_BETU_SAVE, u"別名で保存...", fmain::MN_FILE), Qt::CTRL | Qt::SHIFT | Qt::Key_S),
    menu(fmain::N2, u"-", fmain::MN_FILE),
    withKey(menu(fmain::MN_EXIT, u"終了(&X)", fmain::MN_FILE), Qt::CTRL | Qt::Key_Q),
    menu(fmain::N1, u"-", fmain::MN_FILE),
    menu(fmain::MN_EDIT, u"編集(&E)"),
    menu(fmain::MN_SYOMEI_SYU, u"商品名の変更...", fmain::MN_EDIT),
    menu(fmain::MN_TOOL, u"設定"),
    menu(fmain::MN_TENMEI, u"店名管理...", fmain::MN_TOOL),
    menu(fmain::N6, u"-", fmain::MN_TOOL),
    menu(fmain::MN_TEN_BACK, u"店名のバックアップ", fmain::MN_TOOL),
    menu(fmain::MN_TEN_IM, u"店名の取り込み", fmain::MN_TOOL),
    menu(fmain::N5, u"-", fmain::MN_TOOL),
    menu(fmain::MN_ADD_OPTION, u"追加と同時に画面上の明細を消す", fmain::MN_TOOL),
    menu(fmain::N4, u"-", fmain::MN_TOOL),
    menu(fmain::MN_FRIREKI_DEL, u"ファイル履歴の削除...", fmain::MN_TOOL),
    menu(fmain::MN_HE, u"ヘルプ(&H)"),
    withKey(menu(fmain::MN_HELP, u"説明書", fmain::MN_HE), Qt::Key_F1),
    menu(fmain::MN_README, u"お読み下さい", fmain::MN_HE),
    menu(fmain::MN_VER, u"バージョン情報...", fmain::MN_HE),
    // The pop-up menu of CBO_SYOMEI.
    menu(fmain::PopupMenu1, u""),
    menu(fmain::POP_COPY, u"コピー", fmain::PopupMenu1),
};

constexpr WindowSpec mainWindow{fmain::F_MAIN, u"", 667, 459, 15, mainControls};

} // namespace

const WindowSpec& mainWindowSpec() {
    return mainWindow;
}
