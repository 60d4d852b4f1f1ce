// The Hungarian sentences for file faults: the article before a file name,
// the sentence for each kind of fault, the reason line for each reason, and
// the faults of real file operations and picture reads put into words.
#include "datafiles.h"
#include "filefaults.h"
#include "picturefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>

using namespace tavik;

Q_DECLARE_METATYPE(tavik::FileReason)

class TestFileFaults : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void hungarianArticle_data();
    void hungarianArticle();
    void describeFileFault_data();
    void describeFileFault();
    void everyReasonInHungarian_data();
    void everyReasonInHungarian();
    void realFaultsInWords();
    void pictureFaults_data();
    void pictureFaults();
};

void TestFileFaults::hungarianArticle_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("article");
    QTest::newRow("ujhold") << "ujhold.txt" << "Az";
    QTest::newRow("utolsó") << "utolsó.txt" << "Az";
    QTest::newRow("Újhold") << "Újhold.txt" << "Az";
    QTest::newRow("őszi") << "őszi.txt" << "Az";
    QTest::newRow("ékezet") << "ékezet.txt" << "Az";
    QTest::newRow("jegyzetek") << "jegyzetek.txt" << "A";
    QTest::newRow("naplo") << "naplo-tavik.txt" << "A";
    QTest::newRow("szamitott") << "szamitott.txt" << "A";
    QTest::newRow("000") << "000-ujhold.gif" << "A";
    QTest::newRow("1") << "1.txt" << "Az";
    QTest::newRow("5") << "5.txt" << "Az";
    QTest::newRow("10") << "10.txt" << "A";
    QTest::newRow("50") << "50.txt" << "Az";
    QTest::newRow("1000") << "1000.txt" << "Az";
    QTest::newRow("10000") << "10000.txt" << "A";
    QTest::newRow("2024") << "2024.txt" << "A";
}

void TestFileFaults::hungarianArticle()
{
    QFETCH(QString, word);
    QFETCH(QString, article);
    QCOMPARE(tavik::hungarianArticle(word), article);
    QCOMPARE(tavik::hungarianArticle(word, false), article.toLower());
}

void TestFileFaults::describeFileFault_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << int(FileError::Missing) << "ujhold.txt" << ""
                             << "Az 'ujhold.txt' fájl NEM található!";
    QTest::newRow("not readable") << int(FileError::NotReadable) << "jegyzetek.txt"
                                  << "Permission denied"
                                  << "A 'jegyzetek.txt' fájl NEM olvasható!\nPermission denied";
    QTest::newRow("not writable") << int(FileError::NotWritable) << "ujhold.txt" << ""
                                  << "Az 'ujhold.txt' fájl NEM menthető!";
    QTest::newRow("unencodable")
        << int(FileError::Unencodable) << "naplo-tavik.txt" << "✓月"
        << "A 'naplo-tavik.txt' fájl NEM menthető! Ezeket a karaktereket nem lehet benne "
           "tárolni: ✓月";
    QTest::newRow("unencodable, invisible")
        << int(FileError::Unencodable) << "jegyzetek.txt" << QStringLiteral("\u3000\u200b")
        << "A 'jegyzetek.txt' fájl NEM menthető! Ezeket a karaktereket nem lehet benne "
           "tárolni: U+3000 U+200B";
    QTest::newRow("no fault") << int(FileError::None) << "ujhold.txt" << "" << "";
    QTest::newRow("full disk") << int(FileError::NotWritable) << "naplo-tavik.txt" << ""
                               << "A 'naplo-tavik.txt' fájl NEM menthető!\nMegtelt a lemez.";
}

void TestFileFaults::describeFileFault()
{
    QFETCH(int, error);
    QFETCH(QString, fileName);
    QFETCH(QString, detail);
    QFETCH(QString, message);
    const FileReason reason = QByteArray(QTest::currentDataTag()) == "full disk" ? FileReason::DiskFull
                                                                               : FileReason::Other;
    QCOMPARE(tavik::describeFileFault({FileError(error), fileName, detail, reason}), message);
}

void TestFileFaults::everyReasonInHungarian_data()
{
    QTest::addColumn<FileReason>("reason");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<int>("systemError");
    QTest::addColumn<QString>("text");
    QTest::newRow("folder missing") << FileReason::FolderMissing << "/home/a/Pic" << ENOENT
                                    << "A mappa nem létezik: /home/a/Pic";
    QTest::newRow("not a folder") << FileReason::NotAFolder << "/home/a/Pic" << ENOTDIR
                                  << "Nem mappa: /home/a/Pic";
    QTest::newRow("is a folder") << FileReason::IsFolder << "" << 0 << "Ezen a néven mappa van.";
    QTest::newRow("not a regular file") << FileReason::NotRegularFile << "" << 0
                                        << "Nem közönséges fájl (eszköz vagy csővezeték), ezért érintetlen marad.";
    QTest::newRow("disk full") << FileReason::DiskFull << "" << ENOSPC << "Megtelt a lemez.";
    QTest::newRow("permission") << FileReason::PermissionDenied << "" << EACCES << "Nincs jogosultság.";
    QTest::newRow("read-only disk") << FileReason::ReadOnlyFileSystem << "" << EROFS
                                    << "A lemez csak olvasható.";
    QTest::newRow("read-only file") << FileReason::ReadOnlyFile << "" << 0 << "A fájl csak olvasható.";
    QTest::newRow("closed folder") << FileReason::FolderNotWritable << "" << EACCES
                                   << "A mappa csak olvasható, ezért a fájl nem cserélhető biztonságosan.";
    QTest::newRow("disk fault") << FileReason::InputOutput << "" << EIO
                                << "Lemezhiba (írási vagy olvasási hiba).";
    QTest::newRow("long name") << FileReason::NameTooLong << "" << ENAMETOOLONG << "Túl hosszú a név.";
    QTest::newRow("vanished") << FileReason::NotFound << "" << ENOENT << "Nincs ilyen fájl.";
    QTest::newRow("damaged picture") << FileReason::DamagedPicture << "" << 0
                                     << "Sérült vagy ismeretlen formátumú kép.";
    QTest::newRow("link loop") << FileReason::LinkLoop << "" << ELOOP
                               << "A fájl helyén önmagába visszavezető hivatkozás van.";
    QTest::newRow("folder not creatable") << FileReason::FolderNotCreatable << "/home/a/.local" << EACCES
                                          << "Nincs jogosultság a mappa létrehozásához: /home/a/.local";
    // Only a reason the program does not know keeps the system's words, and
    // an "Unknown error" is never shown.
    QTest::newRow("system words") << FileReason::Other << "Invalid cross-device link" << EXDEV
                                  << "Invalid cross-device link";
    QTest::newRow("unknown error") << FileReason::Other << "Unknown error 4242" << 4242
                                   << "Rendszerhiba, kódja: 4242";
    QTest::newRow("nothing to add") << FileReason::Other << "" << 0 << "";
}

void TestFileFaults::everyReasonInHungarian()
{
    QFETCH(FileReason, reason);
    QFETCH(QString, detail);
    QFETCH(int, systemError);
    QFETCH(QString, text);
    const FileStatus status{FileError::NotWritable, QStringLiteral("ujhold.txt"), detail, reason, systemError};
    QCOMPARE(describeFileReason(status), text);
    const QString sentence = QStringLiteral("Az 'ujhold.txt' fájl NEM menthető!");
    QCOMPARE(tavik::describeFileFault(status), text.isEmpty() ? sentence : sentence + u'\n' + text);
}

// The faults of real operations in a temporary folder, as the user reads them.
void TestFileFaults::realFaultsInWords()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("ujhold.txt"));
    QCOMPARE(tavik::describeFileFault(readWholeFile(missing).status),
             QStringLiteral("Az 'ujhold.txt' fájl NEM található!"));

    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("utolso.txt")));
    QCOMPARE(tavik::describeFileFault(replaceWholeFile(dir.filePath(QStringLiteral("utolso.txt")), QStringLiteral("x"))),
             QStringLiteral("Az 'utolso.txt' fájl NEM menthető!\nEzen a néven mappa van."));

    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QCOMPARE(tavik::describeFileFault(appendToFile(dir.filePath(QStringLiteral("blocker/szamitott.txt")), QStringLiteral("x"))),
             QStringLiteral("A 'szamitott.txt' fájl NEM menthető!\nNem mappa: ")
                 + QDir::toNativeSeparators(dir.filePath(QStringLiteral("blocker"))));
    QCOMPARE(tavik::describeFileFault(replaceWholeFile(dir.filePath(QStringLiteral("nincs/Pic/ujhold.txt")), QStringLiteral("x"))),
             QStringLiteral("Az 'ujhold.txt' fájl NEM menthető!\nA mappa nem létezik: ")
                 + QDir::toNativeSeparators(dir.filePath(QStringLiteral("nincs/Pic"))));

    FileSystemCalls full = FileSystemCalls::system();
    full.write = [](int, const char*, std::size_t) -> long {
        errno = ENOSPC;
        return -1;
    };
    QCOMPARE(tavik::describeFileFault(replaceWholeFile(missing, QStringLiteral("x"), full)),
             QStringLiteral("Az 'ujhold.txt' fájl NEM menthető!\nMegtelt a lemez."));
}

void TestFileFaults::pictureFaults_data()
{
    QTest::addColumn<QByteArray>("bytes");     // empty: no file
    QTest::addColumn<int>("readerError");      // -1: what the reader itself says
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QByteArray() << -1
                             << "A '001-terkep.gif' fájl NEM található!";
    QTest::newRow("not a picture") << QByteArray("this is no GIF at all") << -1
                                   << "A '001-terkep.gif' fájl NEM olvasható!\nSérült vagy ismeretlen formátumú kép.";
    QTest::newRow("cut after the signature") << QByteArray("GIF89a\x10\x00") << -1
                                             << "A '001-terkep.gif' fájl NEM olvasható!\nSérült vagy ismeretlen formátumú kép.";
    // "File not found" for a file that is there but may not be opened (root
    // opens everything, so the reader's word is given here).
    QTest::newRow("there but closed") << QByteArray("GIF89a") << int(QImageReader::FileNotFoundError)
                                      << "A '001-terkep.gif' fájl NEM olvasható!\nNincs jogosultság.";
    QTest::newRow("unsupported format") << QByteArray("GIF89a") << int(QImageReader::UnsupportedFormatError)
                                        << "A '001-terkep.gif' fájl NEM olvasható!\nSérült vagy ismeretlen formátumú kép.";
}

void TestFileFaults::pictureFaults()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, readerError);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("001-terkep.gif"));
    if (!bytes.isEmpty()) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bytes), bytes.size());
    }
    QImageReader::ImageReaderError error = QImageReader::ImageReaderError(readerError);
    if (readerError < 0) {
        QImageReader reader(path);
        QVERIFY(reader.read().isNull());
        error = reader.error();
    }
    QCOMPARE(tavik::describeFileFault(pictureReadFault(path, error)), message);
}

QTEST_MAIN(TestFileFaults)
#include "tst_filefaults.moc"
