#include "shops/shoplist.h"

#include "core/controls.h"
#include "core/textfile.h"
#include "core/uiservices.h"
#include "core/windownames.h"
#include "notebook/pricebook.h"
#include "shops/shopnames.h"

#include <QFileInfo>

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

ShopNames::ShopNames(Controls& controls, UiServices& ui, QString programDir)
    : c_(controls), ui_(ui), programDir_(std::move(programDir)) {}

QString ShopNames::shopListFile() const {
    return programDir_ + QString::fromUtf16(ShopListFileName);
}

void ShopNames::RefillShopSelectors(const QString& path) {
    // The program's own list may not exist yet: that is an empty list until the user saves one.
    const bool ownMissing = path == shopListFile() && !QFileInfo::exists(path);
    const QStringList names = ownMissing ? QStringList() : LoadShopList(path);
    for (int j = 1; j <= PriceSlots; ++j) {
        const QString name = fmain::CBO_MISE(j);
        const QString shown = c_.text(name);
        c_.setItems(name, names);
        c_.setText(name, shown);
    }
}
