#include "shops/shoplist.h"

#include "core/textfile.h"
#include "core/uiservices.h"

using namespace Qt::StringLiterals;

QStringList LoadShopList(const QString& path) {
    return textfile::readFile(path, MaxShopListBytes).lines;
}

void SaveShopList(const QString& path, const QStringList& names) {
    textfile::writeFile(path, names);
}

bool refuseLongShopList(const QStringList& shops, UiServices& ui) {
    if (shops.size() <= MaxShops)
        return false;
    ui.messageBox(MsgKind::Information,
                  u"店名が５００件を超えています。[店名の取り込み]で取り込み\r\n\r\n"
                  u"し直すか、店名ファイルを直接開いて件数を減らして下さい。"_s,
                  Ok, Ok);
    return true;
}
