// The lists that tavik-almanac writes with --out: their mode follows the
// umask for a new list and the old list's for a replaced one, and a list of
// another user stays that user's.
#include "almanacrun.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace tavik::testing;

class TestAlmanacFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listKeepsOwnerAndMode_data();
    void listKeepsOwnerAndMode();
};

void TestAlmanacFiles::listKeepsOwnerAndMode_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<uint>("owner");   // of the existing list
    QTest::addColumn<uint>("mode");    // expected, and of the existing list
    QTest::newRow("new under umask 077") << false << uint(::geteuid()) << 0600u;
    QTest::newRow("another user's list") << true << 65534u << 0640u;
}

void TestAlmanacFiles::listKeepsOwnerAndMode()
{
    QFETCH(bool, existing);
    QFETCH(uint, owner);
    QFETCH(uint, mode);
    if (owner != ::geteuid() && ::geteuid() != 0)
        QSKIP("only root can make a file of another user");
    QTemporaryDir dir;
    const QByteArray list = QFile::encodeName(dir.filePath(QStringLiteral("ujholdak.txt")));
    if (existing) {
        QFile old(QFile::decodeName(list));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old\r\n") == 5);
        old.close();
        QCOMPARE(::chown(list.constData(), owner, owner), 0);
        QCOMPARE(::chmod(list.constData(), mode), 0);
    }
    const mode_t umask = ::umask(077);
    const Run r = almanac({QStringLiteral("--only"), QStringLiteral("ujholdak"), QStringLiteral("--out"), dir.path()});
    ::umask(umask);
    QCOMPARE(r.exitCode, 0);
    struct stat st {};
    QCOMPARE(::stat(list.constData(), &st), 0);
    QVERIFY(st.st_size > 1000);
    QCOMPARE(uint(st.st_mode & 07777), mode);
    QCOMPARE(uint(st.st_uid), owner);
    QCOMPARE(uint(st.st_gid), existing ? owner : uint(::getegid()));
}

QTEST_GUILESS_MAIN(TestAlmanacFiles)
#include "tst_almanac_files.moc"
