#include "profile_file.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include "test_support.h"

#include <memory>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

using common::ProfileFile;
using common::ProfileWriteError;
using testsupport::readBytes;
using testsupport::writeBytes;

namespace {

const QString kDefault = QStringLiteral("<default>");

// A hand-edited file: byte order mark, comments, blank lines, keys before
// any section, odd lines, trailing blanks, non-UTF-8 bytes and CRLF endings.
const QByteArray kRichFile = "\xEF\xBB\xBF; settings of the calculator\r\n"
                             "orphan=before any section\r\n"
                             "\r\n"
                             "[Window]\r\n"
                             "Left=10   \r\n"
                             "this line has no equals sign\r\n"
                             "[LastValues]\r\n"
                             "  cash = 5  \r\n"
                             "; caf\xE9 in Latin-1\r\n"
                             "Note=keep me\r\n"
                             "\r\n"
                             "[Other]\r\n"
                             "Cash=77";


} // namespace

class TestProfileFile : public QObject {
    Q_OBJECT

private slots:
    void init();

    void readsValue_data();
    void readsValue();
    void savesOnlyTheWrittenLine_data();
    void savesOnlyTheWrittenLine();
    void refusesTextThatWouldNotReadBack_data();
    void refusesTextThatWouldNotReadBack();
    void saveIntoMissingFolderThrows();
    void saveIntoReadOnlyFolderKeepsOldFile();
    void saveThatRunsOutOfSpaceKeepsOldFile();
    void unreadableFileIsNotOverwritten();
    void entryThatCannotBeOpenedIsNotReplaced();

private:
    QString filePath() const { return m_dir->filePath(QStringLiteral("settings.ini")); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestProfileFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestProfileFile::readsValue_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("missing file") << false << QByteArray() << "LastValues" << "Cash" << kDefault;
    QTest::newRow("empty file") << true << QByteArray() << "LastValues" << "Cash" << kDefault;
    QTest::newRow("missing section")
        << true << QByteArray("[Other]\nCash=5\n") << "LastValues" << "Cash" << kDefault;
    QTest::newRow("missing key")
        << true << QByteArray("[LastValues]\nReturn=5\n") << "LastValues" << "Cash" << kDefault;
    QTest::newRow("key before any section")
        << true << QByteArray("Cash=5\n[LastValues]\n") << "LastValues" << "Cash" << kDefault;
    QTest::newRow("key in the next section")
        << true << QByteArray("[LastValues]\n[Other]\nCash=5\n") << "LastValues" << "Cash" << kDefault;
    QTest::newRow("commented-out key")
        << true << QByteArray("[LastValues]\n;Cash=5\n") << "LastValues" << "Cash" << kDefault;

    QTest::newRow("plain") << true << QByteArray("[LastValues]\nCash=1000\n") << "LastValues" << "Cash" << "1000";
    QTest::newRow("names in other case")
        << true << QByteArray("[lastVALUES]\ncASH=1000\n") << "LastValues" << "Cash" << "1000";
    QTest::newRow("blanks trimmed")
        << true << QByteArray("  [ LastValues ]  \n\t Cash \t=  1 000 \t\n") << "LastValues" << "Cash" << "1 000";
    QTest::newRow("first duplicate key wins")
        << true << QByteArray("[LastValues]\nCash=1\ncash=2\n") << "LastValues" << "Cash" << "1";
    QTest::newRow("first duplicate section wins")
        << true << QByteArray("[LastValues]\nCash=1\n[lastvalues]\nCash=2\n") << "LastValues" << "Cash" << "1";
    QTest::newRow("empty value is not the default")
        << true << QByteArray("[LastValues]\nCash=\n") << "LastValues" << "Cash" << "";
    QTest::newRow("value holding '='") << true << QByteArray("[S]\nK=a=b\n") << "S" << "K" << "a=b";
    QTest::newRow("CRLF endings") << true << QByteArray("[S]\r\nK=1\r\nL=2\r\n") << "S" << "K" << "1";
    QTest::newRow("byte order mark before the header")
        << true << QByteArray("\xEF\xBB\xBF[S]\nK=1\n") << "S" << "K" << "1";
    QTest::newRow("last line without newline") << true << QByteArray("[S]\nK=1") << "S" << "K" << "1";
    QTest::newRow("UTF-8 value")
        << true << QByteArray("[S]\nK=Z\xC3\xBCrich\n") << "S" << "K" << QString::fromUtf8("Zürich");
    QTest::newRow("rich file, trimmed key") << true << kRichFile << "lastvalues" << "CASH" << "5";
    QTest::newRow("rich file, last line") << true << kRichFile << "Other" << "Cash" << "77";
}

void TestProfileFile::readsValue()
{
    QFETCH(bool, fileExists);
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    if (fileExists)
        writeBytes(filePath(), content);

    QCOMPARE(ProfileFile(filePath()).readString(section, key, kDefault), expected);
}

void TestProfileFile::savesOnlyTheWrittenLine_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("new file") << false << QByteArray() << "LastValues" << "Cash" << "1000"
                              << QByteArray("[LastValues]\nCash=1000\n");
    QTest::newRow("empty file") << true << QByteArray() << "LastValues" << "Cash" << "1000"
                                << QByteArray("[LastValues]\nCash=1000\n");

    QByteArray richReplaced = kRichFile;
    richReplaced.replace("  cash = 5  \r\n", "Cash=1000\r\n");
    QTest::newRow("replaced key in a rich file") << true << kRichFile << "LastValues" << "Cash" << "1000"
                                                 << richReplaced;
    QByteArray richAdded = kRichFile;
    richAdded.replace("Note=keep me\r\n", "Note=keep me\r\nReturn=7\r\n");
    QTest::newRow("new key in a rich file") << true << kRichFile << "LastValues" << "Return" << "7" << richAdded;
    QTest::newRow("new section in a rich file") << true << kRichFile << "Fresh" << "Key" << "v"
                                                << kRichFile + "\r\n[Fresh]\r\nKey=v\r\n";

    QTest::newRow("only the first duplicate replaced")
        << true << QByteArray("[S]\nK=1\nK=2\n") << "S" << "K" << "9" << QByteArray("[S]\nK=9\nK=2\n");
    QTest::newRow("key written as given") << true << QByteArray("[s]\nCASH=5\n") << "S" << "Cash" << "9"
                                          << QByteArray("[s]\nCash=9\n");
    QTest::newRow("replaced last line keeps having no newline")
        << true << QByteArray("[S]\nK=1") << "S" << "K" << "2" << QByteArray("[S]\nK=2");
    QTest::newRow("new key after the section's last key, before its trailing comment")
        << true << QByteArray("[A]\nx=1\n; about B\n\n[B]\ny=2\n") << "A" << "z" << "9"
        << QByteArray("[A]\nx=1\nz=9\n; about B\n\n[B]\ny=2\n");
    QTest::newRow("new key right after a header without keys")
        << true << QByteArray("[A]\n; only a comment\n[B]\n") << "A" << "z" << "9"
        << QByteArray("[A]\nz=9\n; only a comment\n[B]\n");
    QTest::newRow("new key after a header on the last line without newline")
        << true << QByteArray("[A]") << "A" << "z" << "9" << QByteArray("[A]\nz=9\n");
    QTest::newRow("new section after a last line without newline")
        << true << QByteArray("[A]\nx=1") << "B" << "z" << "9" << QByteArray("[A]\nx=1\n[B]\nz=9\n");
    QTest::newRow("new section in a comment-only file")
        << true << QByteArray("; nothing yet\n") << "B" << "z" << "9" << QByteArray("; nothing yet\n[B]\nz=9\n");
    QTest::newRow("new lines follow the file's first line ending")
        << true << QByteArray("[A]\r\nx=1\n") << "A" << "z" << "9" << QByteArray("[A]\r\nx=1\nz=9\r\n");
}

void TestProfileFile::savesOnlyTheWrittenLine()
{
    QFETCH(bool, fileExists);
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    if (fileExists)
        writeBytes(filePath(), before);

    ProfileFile file(filePath());
    file.writeString(section, key, value);
    QCOMPARE(file.readString(section, key, kDefault), value);
    file.save();

    QCOMPARE(readBytes(filePath()), after);
    QCOMPARE(ProfileFile(filePath()).readString(section, key, kDefault), value);
}

// A line break or a misplaced '=' would change the file's structure: the
// value would come back cut short, or a section or key could be injected.
void TestProfileFile::refusesTextThatWouldNotReadBack_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("line break in the value") << "S" << "K" << "1\n[Evil]\nK=2";
    QTest::newRow("carriage return in the value") << "S" << "K" << "1\r";
    QTest::newRow("line break in the key") << "S" << "K\nL" << "1";
    QTest::newRow("line break in the section") << "S\n" << "K" << "1";
    QTest::newRow("'=' in the key") << "S" << "K=L" << "1";
    QTest::newRow("key that reads as a comment") << "S" << ";K" << "1";
    QTest::newRow("key that reads as a header") << "S" << "[K]" << "1";
    QTest::newRow("blank key") << "S" << "  " << "1";
    QTest::newRow("empty section") << "" << "K" << "1";
}

void TestProfileFile::refusesTextThatWouldNotReadBack()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QByteArray before = "[S]\nK=0\n";
    writeBytes(filePath(), before);

    ProfileFile file(filePath());
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, file.writeString(section, key, value));
    file.save();

    QCOMPARE(readBytes(filePath()), before);
}

// Fails for every user, root included.
void TestProfileFile::saveIntoMissingFolderThrows()
{
    const QString folder = m_dir->filePath(QStringLiteral("missing"));
    ProfileFile file(folder + QStringLiteral("/settings.ini"));
    file.writeString(u"S", u"K", u"1");

    QVERIFY_THROWS_EXCEPTION(ProfileWriteError, file.save());
    QVERIFY(!QFileInfo::exists(folder));
}

void TestProfileFile::saveIntoReadOnlyFolderKeepsOldFile()
{
    const QByteArray before = "[S]\r\nK=old\r\n";
    writeBytes(filePath(), before);
    QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                                                     | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
    const auto restore = qScopeGuard([this] {
        QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    QFile probe(m_dir->filePath(QStringLiteral("probe")));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QSKIP("This user can write into a read-only folder (root)");
    }

    ProfileFile file(filePath());
    file.writeString(u"S", u"K", u"new");
    QVERIFY_THROWS_EXCEPTION(ProfileWriteError, file.save());

    QCOMPARE(readBytes(filePath()), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("settings.ini")});
}

// A file size limit makes the write fail part way, as a full disk would,
// and holds for every user, root included.
void TestProfileFile::saveThatRunsOutOfSpaceKeepsOldFile()
{
#ifdef Q_OS_UNIX
    const QByteArray before = "[S]\nK=old\n";
    writeBytes(filePath(), before);
    ProfileFile file(filePath());
    file.writeString(u"S", u"K", QString(4096, u'x'));

    rlimit oldLimit{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
    rlimit smallLimit = oldLimit;
    smallLimit.rlim_cur = 1024;
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &smallLimit), 0);
    const auto restore = qScopeGuard([&] {
        setrlimit(RLIMIT_FSIZE, &oldLimit);
        std::signal(SIGXFSZ, oldSignal);
    });

    QVERIFY_THROWS_EXCEPTION(ProfileWriteError, file.save());

    QCOMPARE(readBytes(filePath()), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("settings.ini")});
#else
    QSKIP("Needs a file size limit (POSIX)");
#endif
}

void TestProfileFile::unreadableFileIsNotOverwritten()
{
    const QByteArray before = "[S]\nK=precious\n";
    writeBytes(filePath(), before);
    QVERIFY(QFile::setPermissions(filePath(), QFile::WriteOwner));
    const auto restore = qScopeGuard([this] {
        QFile::setPermissions(filePath(), QFile::ReadOwner | QFile::WriteOwner);
    });
    QFile probe(filePath());
    if (probe.open(QIODevice::ReadOnly))
        QSKIP("This user can read a file without read permission (root)");

    ProfileFile file(filePath());
    QCOMPARE(file.readString(u"S", u"K", kDefault), kDefault);
    file.writeString(u"S", u"K", u"new");
    QVERIFY_THROWS_EXCEPTION(ProfileWriteError, file.save());

    QFile::setPermissions(filePath(), QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(readBytes(filePath()), before);
}

// Something that exists under the name but cannot be opened (here a socket,
// which nobody can open, root included) is never replaced.
void TestProfileFile::entryThatCannotBeOpenedIsNotReplaced()
{
#ifdef Q_OS_UNIX
    const QByteArray socketPath = QFile::encodeName(filePath());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    QVERIFY(size_t(socketPath.size()) < sizeof address.sun_path);
    std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
    const int socketHandle = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(socketHandle >= 0);
    const auto closeSocket = qScopeGuard([socketHandle] { ::close(socketHandle); });
    QCOMPARE(::bind(socketHandle, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);

    ProfileFile file(filePath());
    QCOMPARE(file.readString(u"S", u"K", kDefault), kDefault);
    file.writeString(u"S", u"K", u"new");
    QVERIFY_THROWS_EXCEPTION(ProfileWriteError, file.save());

    QVERIFY(!QFileInfo(filePath()).isFile());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::System | QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("settings.ini")});
#else
    QSKIP("Needs a Unix domain socket");
#endif
}

QTEST_APPLESS_MAIN(TestProfileFile)
#include "tst_profile_file.moc"
