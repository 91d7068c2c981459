#include "benchdata.h"

#include "core/settingsfile.h"
#include "core/textfile.h"

#include <QFile>
#include <QSet>

#include <random>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace benchdata {

namespace {

constexpr const char16_t* Makers[] = {
    u"明治",
    u"森永",
    u"雪印メグミルク",
    u"日清",
    u"カゴメ",
    u"キッコーマン",
    u"ヤマサ",
    u"味の素",
    u"ハウス",
    u"エスビー",
    u"カルビー",
    u"ロッテ",
    u"グリコ",
    u"サントリー",
    u"キリン",
    u"アサヒ",
    u"伊藤園",
    u"日本ハム",
    u"丸大",
    u"プリマハム",
    u"マルハニチロ",
    u"ニッスイ",
    u"永谷園",
    u"ミツカン",
    u"トップバリュ",
    u"セブンプレミアム",
    u"CGC",
    u"ｺｰﾌﾟ",
    u"無印良品",
    u"花王",
    u"ライオン",
    u"P&G",
    u"ユニ・チャーム",
    u"ネスレ",
    u"UCC",
    u"AGF",
    u"ブルボン",
    u"不二家",
    u"山崎製パン",
    u"Pasco",
    u"ヤクルト",
    u"タカナシ",
};

constexpr const char16_t* Items[] = {
    u"牛乳",
    u"ヨーグルト",
    u"バター",
    u"マーガリン",
    u"食パン",
    u"卵",
    u"納豆",
    u"絹豆腐",
    u"醤油",
    u"味噌",
    u"上白糖",
    u"食塩",
    u"サラダ油",
    u"ごま油",
    u"マヨネーズ",
    u"ケチャップ",
    u"カレールウ",
    u"ツナ缶",
    u"鮭フレーク",
    u"ロースハム",
    u"ベーコン",
    u"ウインナー",
    u"冷凍餃子",
    u"うどん",
    u"そば",
    u"スパゲッティ",
    u"無洗米",
    u"緑茶",
    u"麦茶",
    u"コーヒー",
    u"紅茶",
    u"天然水",
    u"オレンジジュース",
    u"ポテトチップス",
    u"チョコレート",
    u"ビスケット",
    u"アイスクリーム",
    u"洗濯洗剤",
    u"柔軟剤",
    u"食器用洗剤",
    u"シャンプー",
    u"コンディショナー",
    u"歯みがき",
    u"ティッシュ",
    u"トイレットペーパー",
    u"キッチンペーパー",
    u"ラップ",
    u"アルミホイル",
    u"ゴミ袋",
    u"乾電池",
    u"ｶｯﾌﾟﾗｰﾒﾝ",
    u"Milk",
    u"Coffee",
    u"ふりかけ",
    u"お茶漬け",
    u"ポン酢",
    u"めんつゆ",
    u"片栗粉",
    u"小麦粉",
    u"パン粉",
};

constexpr const char16_t* Variants[] = {
    u"",       u"",       u"",       u"うす塩", u"減塩",       u"濃厚",
    u"低脂肪", u"特選",   u"徳用",   u"無調整", u"辛口",       u"甘口",
    u"中辛",   u"国産",   u"北海道", u"有機",   u"プレミアム", u"ファミリーパック",
    u"ミニ",   u"大容量",
};

constexpr const char16_t* Sizes[] = {
    u"100g", u"200g",      u"500g",     u"1kg", u"1000ml", u"500ml", u"2L",     u"6本",
    u"10個", u"3個パック", u"12ロール", u"5kg", u"4枚切",  u"6枚切", u"24本入", u"",
};

constexpr const char16_t* Memos[] = {
    u"",
    u"",
    u"",
    u"特売日は水曜",
    u"ポイント5倍の日に買う",
    u"賞味期限が短いので注意",
    u"会員価格",
    u"税込",
    u"まとめ買いで1割引",
    u"夕方の値引きあり",
    u"ネットスーパーでも同じ値段",
    u"新商品、次回も確認",
};

constexpr const char16_t* Chains[] = {
    u"イオン",          u"イトーヨーカドー", u"西友",         u"ライフ",         u"マルエツ",
    u"サミット",        u"オーケー",         u"ヤオコー",     u"いなげや",       u"東急ストア",
    u"成城石井",        u"ダイエー",         u"業務スーパー", u"まいばすけっと", u"コープ",
    u"マツモトキヨシ",  u"ウエルシア",       u"スギ薬局",     u"ツルハドラッグ", u"ココカラファイン",
    u"セブン-イレブン", u"ファミリーマート", u"ローソン",     u"カインズ",       u"コーナン",
};

constexpr const char16_t* Areas[] = {
    u"中野",   u"高円寺",   u"荻窪", u"吉祥寺", u"三鷹",   u"武蔵境",   u"国分寺",     u"立川",
    u"新宿",   u"渋谷",     u"池袋", u"赤羽",   u"北千住", u"錦糸町",   u"亀戸",       u"大島",
    u"蒲田",   u"大森",     u"品川", u"五反田", u"目黒",   u"自由が丘", u"二子玉川",   u"溝の口",
    u"川崎",   u"武蔵小杉", u"横浜", u"戸塚",   u"藤沢",   u"大船",     u"町田",       u"相模大野",
    u"八王子", u"府中",     u"調布", u"狛江",   u"登戸",   u"向ヶ丘",   u"新百合ヶ丘", u"駅前",
};

template <class T, std::size_t N> const T& pick(std::mt19937& random, const T (&list)[N]) {
    return list[random() % N];
}

int between(std::mt19937& random, int low, int high) {
    return low + int(random() % unsigned(high - low + 1));
}

QString text(const char16_t* s) {
    return QString::fromUtf16(s);
}

// A price near `base`, rounded to a price tag's usual endings.
QString priceNear(std::mt19937& random, int base) {
    const int price = std::max(10, base + between(random, -base / 5, base / 5));
    return QString::number(price / 10 * 10 + 8);
}

QString storedDate(const QDate& date) {
    return date.toString(u"yyyy/MM/dd"_s);
}

} // namespace

QStringList shopNames(int count) {
    QStringList shops;
    const int chains = int(std::size(Chains));
    for (int i = 0; i < count; ++i)
        shops << text(Chains[i % chains]) + u' ' + text(Areas[(i / chains) % int(std::size(Areas))]) +
                     u"店"_s + (i >= chains * int(std::size(Areas)) ? QString::number(i) : QString());
    return shops;
}

QStringList notebookLines(int products) {
    std::mt19937 random(20141201);
    // Shoppers keep to a few dozen shops of their list.
    const QStringList shops = shopNames(500).mid(0, 40);
    QSet<QString> taken;
    QStringList lines{u"zorvandata"_s};
    lines.reserve(1 + qsizetype(products) * 18);
    for (int p = 0; p < products; ++p) {
        QString name =
            text(pick(random, Makers)) + u' ' + text(pick(random, Variants)) + text(pick(random, Items));
        if (const QString size = text(pick(random, Sizes)); !size.isEmpty())
            name += u' ' + size;
        // Names are distinct ignoring case, as the program keeps them.
        const QString plain = name;
        for (int n = 2; taken.contains(name.toCaseFolded()); ++n)
            name = plain + u" その"_s + QString::number(n);
        taken.insert(name.toCaseFolded());

        const int base = between(random, 8, 60) * 10;
        lines << name << (random() % 4 == 0 ? QString() : QString::number(base + 8));
        const int filled = between(random, 2, 5);
        QDate date = today().addDays(-between(random, 0, 900));
        for (int j = 1; j <= 5; ++j) {
            if (j <= filled)
                lines << shops[between(random, 0, int(shops.size()) - 1)] << priceNear(random, base);
            else
                lines << QString() << QString();
            lines << storedDate(date);
            date = date.addDays(-between(random, 3, 120));
        }
        lines << text(pick(random, Memos));
    }
    return lines;
}

QByteArray notebookBytes(int products) {
    TextEncoding used = TextEncoding::Cp932;
    QByteArray bytes = textfile::encode(notebookLines(products), TextEncoding::Cp932, &used);
    if (used != TextEncoding::Cp932)
        throw std::logic_error("the generated notebook does not encode in code page 932");
    return bytes;
}

void writeProgramFiles(const QString& folder, const QString& newest) {
    textfile::writeFile(folder + u"/zorvan_店.txt"_s, shopNames(500));
    SettingsFile settings;
    settings.setValue(u"Form"_s, u"LEFT"_s, u"120"_s);
    settings.setValue(u"Form"_s, u"TOP"_s, u"80"_s);
    settings.setValue(u"Form"_s, u"WIDTH"_s, u"660"_s);
    settings.setValue(u"Form"_s, u"HEIGHT"_s, u"450"_s);
    settings.writeFlag(u"ADD_OPT"_s, u"0"_s, true);
    settings.setValue(u"F_RIREKI"_s, u"0"_s, newest);
    for (int k = 1; k < 10; ++k)
        settings.setValue(u"F_RIREKI"_s, QString::number(k),
                          u"/home/user/ドキュメント/家計/価格メモ%1.txt"_s.arg(k));
    settings.save(folder + u"/zorvan.ini"_s);
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace benchdata
