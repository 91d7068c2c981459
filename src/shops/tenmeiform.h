// The shop-name management dialog F_TENMEI: the user's list of shops in ListBox1, changed by the
// dialog's handlers and written whole to the shop-list file by every add, change, delete and 順番保存.
#pragma once

#include <QString>
#include <QStringList>

#include "shops/shoplist.h"

class Controls;
class UiServices;

class TenmeiForm {
  public:
    TenmeiForm(UiServices& ui, QString shopListPath);

    // Before the dialog shows: the list holds `names`, the input box is empty and has the focus.
    void FormCreate(Controls& c, const QStringList& names);
    // Runs the handler of the clicked control through the dispatcher; other names do nothing.
    void click(Controls& c, const QString& control);

    void ListBox1Click(Controls& c);
    void BTN_TSUIKAClick(Controls& c);
    void BTN_KOUSINClick(Controls& c);
    void BTN_SAKUJYOClick(Controls& c);
    void BTN_JYUNBANClick(Controls& c);
    void SPD_L_UPClick(Controls& c);
    void SPD_L_DOWNClick(Controls& c);

  private:
    void save(const Controls& c);
    void moveCurrent(Controls& c, int step);

    UiServices& ui_;
    QString path_;
};
