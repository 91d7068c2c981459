// The names of every window's controls, one namespace per window, spelt as the windows name them.
// The window tables, the logic and the widgets all use these constants, so a name is written once.
// README.md's glossary says what the romanised words mean.
#pragma once

#include "core/controlname.h"

#include <QString>

// The main window F_MAIN.
namespace fmain {
inline constexpr ControlName F_MAIN{u"F_MAIN"};
inline constexpr ControlName Label1{u"Label1"};
inline constexpr ControlName EDT_SYOMEI{u"EDT_SYOMEI"};
inline constexpr ControlName Label2{u"Label2"};
inline constexpr ControlName EDT_TEIKA{u"EDT_TEIKA"};
inline constexpr ControlName BTN_CLR{u"BTN_CLR"};
inline constexpr ControlName Label4{u"Label4"};
inline constexpr ControlName CBO_SYOMEI{u"CBO_SYOMEI"};
inline constexpr ControlName LBL_KEN{u"LBL_KEN"};
inline constexpr ControlName SPD_SAGAKU{u"SPD_SAGAKU"};
inline constexpr ControlName BTN_ADD{u"BTN_ADD"};
inline constexpr ControlName Label8{u"Label8"};
inline constexpr ControlName Label7{u"Label7"};
inline constexpr ControlName Label3{u"Label3"};
inline constexpr ControlName BTN_KOUSIN{u"BTN_KOUSIN"};
inline constexpr ControlName SPD_SAVE{u"SPD_SAVE"};
inline constexpr ControlName SPD_SAKUJYO{u"SPD_SAKUJYO"};
inline constexpr ControlName Label6{u"Label6"};
inline constexpr ControlName Memo1{u"Memo1"};
inline constexpr ControlName SPD_MEMO_DEL{u"SPD_MEMO_DEL"};
inline constexpr ControlName SPD_1OLD{u"SPD_1OLD"};
inline constexpr ControlName SPD_MISE_SIBO{u"SPD_MISE_SIBO"};
inline constexpr ControlName LBL_KOUSIN{u"LBL_KOUSIN"};
inline constexpr ControlName Label9{u"Label9"};

// The menus and their items; N1 to N6 are separators.
inline constexpr ControlName MN_FILE{u"MN_FILE"};
inline constexpr ControlName MN_NEW{u"MN_NEW"};
inline constexpr ControlName MN_OPEN{u"MN_OPEN"};
inline constexpr ControlName N3{u"N3"};
inline constexpr ControlName MN_SAVE{u"MN_SAVE"};
inline constexpr ControlName MN_BETU_SAVE{u"MN_BETU_SAVE"};
inline constexpr ControlName N2{u"N2"};
inline constexpr ControlName MN_EXIT{u"MN_EXIT"};
inline constexpr ControlName N1{u"N1"};
inline constexpr ControlName MN_EDIT{u"MN_EDIT"};
inline constexpr ControlName MN_SYOMEI_SYU{u"MN_SYOMEI_SYU"};
inline constexpr ControlName MN_TOOL{u"MN_TOOL"};
inline constexpr ControlName MN_TENMEI{u"MN_TENMEI"};
inline constexpr ControlName N6{u"N6"};
inline constexpr ControlName MN_TEN_BACK{u"MN_TEN_BACK"};
inline constexpr ControlName MN_TEN_IM{u"MN_TEN_IM"};
inline constexpr ControlName N5{u"N5"};
inline constexpr ControlName MN_ADD_OPTION{u"MN_ADD_OPTION"};
inline constexpr ControlName N4{u"N4"};
inline constexpr ControlName MN_FRIREKI_DEL{u"MN_FRIREKI_DEL"};
inline constexpr ControlName MN_HE{u"MN_HE"};
inline constexpr ControlName MN_HELP{u"MN_HELP"};
inline constexpr ControlName MN_README{u"MN_README"};
inline constexpr ControlName MN_VER{u"MN_VER"};
// The pop-up menu of CBO_SYOMEI and its item.
inline constexpr ControlName PopupMenu1{u"PopupMenu1"};
inline constexpr ControlName POP_COPY{u"POP_COPY"};

// The File menu starts with this many fixed items; the recent-file history follows them, its
// entries named RIREKI_OPN0 to RIREKI_OPN9 from the newest.
inline constexpr int FileMenuFixedItems = 8;
inline constexpr char16_t RIREKI_OPN_prefix[] = u"RIREKI_OPN";
inline QString RIREKI_OPN(int key) {
    return QString::fromUtf16(RIREKI_OPN_prefix) + QString::number(key);
}

// The controls of the price rows, numbered from 1 at the top, one row for each price slot of a
// record.
inline QString BTN_DEL(int row) {
    return QString::fromUtf16(u"BTN_DEL") + QString::number(row);
}
inline QString CBO_MISE(int row) {
    return QString::fromUtf16(u"CBO_MISE") + QString::number(row);
}
inline QString EDT_(int row) {
    return QString::fromUtf16(u"EDT_") + QString::number(row);
}
inline QString DTP_(int row) {
    return QString::fromUtf16(u"DTP_") + QString::number(row);
}
inline QString BTN_n_TODAY(int row) {
    return QString::fromUtf16(u"BTN_") + QString::number(row) + QString::fromUtf16(u"_TODAY");
}
inline QString LBL_SA_(int row) {
    return QString::fromUtf16(u"LBL_SA_") + QString::number(row);
}
} // namespace fmain

// The shop-name management dialog F_TENMEI.
namespace ftenmei {
inline constexpr ControlName F_TENMEI{u"F_TENMEI"};
inline constexpr ControlName Label1{u"Label1"};
inline constexpr ControlName Label3{u"Label3"};
inline constexpr ControlName LB_BANME{u"LB_BANME"};
inline constexpr ControlName TXT_MOJI_EDIT{u"TXT_MOJI_EDIT"};
inline constexpr ControlName BTN_KOUSIN{u"BTN_KOUSIN"};
inline constexpr ControlName ListBox1{u"ListBox1"};
inline constexpr ControlName BTN_TSUIKA{u"BTN_TSUIKA"};
inline constexpr ControlName SPD_L_UP{u"SPD_L_UP"};
inline constexpr ControlName SPD_L_DOWN{u"SPD_L_DOWN"};
inline constexpr ControlName BTN_SAKUJYO{u"BTN_SAKUJYO"};
inline constexpr ControlName BTN_JYUNBAN{u"BTN_JYUNBAN"};
inline constexpr ControlName OKBtn{u"OKBtn"};
} // namespace ftenmei

// The query dialog F_OLD_SIBO: products not updated for a year.
namespace foldsibo {
inline constexpr ControlName F_OLD_SIBO{u"F_OLD_SIBO"};
inline constexpr ControlName LST_SYO{u"LST_SYO"};
inline constexpr ControlName OKBtn{u"OKBtn"};
inline constexpr ControlName CancelBtn{u"CancelBtn"};
} // namespace foldsibo

// The query dialog F_MISE_SIBO: products by shop.
namespace fmisesibo {
inline constexpr ControlName F_MISE_SIBO{u"F_MISE_SIBO"};
inline constexpr ControlName CBO_MISE{u"CBO_MISE"};
inline constexpr ControlName LST_SYO{u"LST_SYO"};
inline constexpr ControlName OKBtn{u"OKBtn"};
inline constexpr ControlName CancelBtn{u"CancelBtn"};
} // namespace fmisesibo

// The dialog F_RIREKI that deletes entries of the recent-file history.
namespace frireki {
inline constexpr ControlName F_RIREKI{u"F_RIREKI"};
inline constexpr ControlName CK_LBOX{u"CK_LBOX"};
inline constexpr ControlName BTN_ALL{u"BTN_ALL"};
inline constexpr ControlName OKBtn{u"OKBtn"};
inline constexpr ControlName CancelBtn{u"CancelBtn"};
} // namespace frireki
