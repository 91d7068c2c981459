// Writes that fail part way, through a file-size limit: whatever the point of failure, the user is
// told, the old file keeps every byte and the notebook stays marked as changed.
#include "core/apperror.h"
#include "core/settingsfile.h"
#include "core/textfile.h"
#include "shops/shoplist.h"
#include "support/formfixture.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

// Lowers the largest file this process may write for the lifetime of the object. SIGXFSZ is
// ignored, so a write beyond the limit fails with EFBIG instead of ending the process.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

// How many bytes short of the new file the limit falls: around Qt's 16 KiB write buffer, and a
// single byte at either end.
const QList<qint64> ShortBy{1, 100, 16383, 16384, 16385, 30000};

QStringList manyProducts(int count) {
    QList<QStringList> products;
    for (int i = 0; i < count; ++i)
        products << productLines(u"商品%1"_s.arg(i), u"1980"_s, u"スーパー%1"_s.arg(i), u"1780"_s);
    return notebook(products);
}

TEST(WriteFault, NotebookSaveKeepsTheOldFileAndTheChangedMark) {
    for (const qint64 shortBy : ShortBy) {
        FormFixture f;
        f.start();
        const QByteArray old = cp932Lines(manyProducts(400));
        const QString path = f.dir.write(u"book.txt"_s, old);
        f.ui.fileAnswers.enqueue(path);
        f.form->click(u"MN_OPEN"_s);
        f.pick(u"商品7"_s);
        f.controls.setText(u"EDT_1"_s, u"1,000"_s);
        f.form->click(u"BTN_KOUSIN"_s);
        ASSERT_TRUE(f.form->dirty());
        f.ui.messages.clear();
        const qint64 newSize = textfile::encode(f.form->book().lines(), TextEncoding::Cp932).size();
        {
            FileSizeLimit limit(rlim_t(newSize - shortBy));
            f.form->click(u"SPD_SAVE"_s);
        }
        ASSERT_EQ(f.ui.messages.size(), 1) << shortBy;
        EXPECT_EQ(f.ui.messages[0].kind, MsgKind::Stop);
        EXPECT_TRUE(f.ui.messages[0].text.startsWith(u"ファイル \"%1\" を作成できません。"_s.arg(path)))
            << f.ui.messages[0].text.toStdString();
        EXPECT_EQ(f.dir.read(u"book.txt"_s), old) << shortBy;
        EXPECT_TRUE(f.form->dirty()) << shortBy;
        EXPECT_TRUE(f.controls.enabled(u"SPD_SAVE"_s));
        // The notebook and the lock that marks it open here; no temporary file.
        EXPECT_EQ(QDir(f.dir.path()).entryList(QDir::Files | QDir::Hidden),
                  (QStringList{u".book.txt.lock"_s, u"book.txt"_s}));

        // With room again, the same command saves.
        f.form->click(u"SPD_SAVE"_s);
        EXPECT_FALSE(f.form->dirty());
        EXPECT_EQ(f.dir.read(u"book.txt"_s).size(), old.size());
    }
}

TEST(WriteFault, ShopListAndSettingsKeepTheOldFile) {
    struct Writer {
        const char* name;
        std::function<void(const QString& path)> write;
    };
    const QStringList shops = shopNames(3000);
    SettingsFile settings;
    for (int k = 0; k < 600; ++k)
        settings.setValue(u"F_RIREKI"_s, QString::number(k), u"/home/user/家計簿/ノート%1.txt"_s.arg(k));
    const QList<Writer> writers{
        {"shop list", [&](const QString& path) { SaveShopList(path, shops); }},
        {"settings", [&](const QString& path) { settings.save(path); }},
    };
    for (const Writer& writer : writers) {
        TestDir dir;
        const QString probe = dir.file(u"probe"_s);
        writer.write(probe);
        const qint64 newSize = QFileInfo(probe).size();
        QFile::remove(probe);
        for (const qint64 shortBy : ShortBy) {
            const QByteArray old = "old contents\r\n";
            const QString path = dir.write(u"target.txt"_s, old);
            QString error;
            {
                FileSizeLimit limit(rlim_t(newSize - shortBy));
                try {
                    writer.write(path);
                } catch (const AppError& e) {
                    error = e.message();
                }
            }
            EXPECT_EQ(
                error,
                u"ファイル \"%1\" を作成できません。ファイルが大きすぎるため書き込めません。"_s.arg(path))
                << writer.name << " " << shortBy;
            EXPECT_EQ(dir.read(u"target.txt"_s), old) << writer.name << " " << shortBy;
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"target.txt"_s});
        }
    }
}

} // namespace
