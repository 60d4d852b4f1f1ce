#include "filefaults.h"

#include "texts.h"

#include <QCoreApplication>

namespace tavik {

namespace {

// How a number written in digits is read aloud begins: "egy" (1), "öt" (5),
// "ezer" (1000) with a vowel, most others with a consonant.
bool digitsStartWithVowel(QStringView digits)
{
    qsizetype n = 0;
    while (n < digits.size() && digits.at(n).isDigit())
        ++n;
    digits = digits.left(n);
    if (digits.isEmpty() || digits.at(0) == u'0')
        return false;   // "nulla"
    const qsizetype lead = (digits.size() - 1) % 3 + 1;
    const int group = digits.left(lead).toInt();
    if (group == 1 && digits.size() >= 4 && digits.size() <= 6)
        return lead == 1;   // "ezer" for 1xxx, "tízezer"/"százezer" otherwise
    return group == 1 || group == 5 || (group >= 50 && group <= 59)
           || (group >= 500 && group <= 599);
}

}  // namespace

QString describeFileFault(const FileStatus& status)
{
    QString what;
    switch (status.error) {
    case FileError::None: return {};
    case FileError::Missing: what = QStringLiteral("NEM található!"); break;
    case FileError::NotReadable: what = QStringLiteral("NEM olvasható!"); break;
    case FileError::NotWritable: what = QStringLiteral("NEM menthető!"); break;
    case FileError::Unencodable:
        // A pasted U+3000 would show as nothing: invisible ones go by their code.
        what = QStringLiteral("NEM menthető! Ezeket a karaktereket nem lehet benne tárolni: ")
               + visibleCharacters(status.detail);
        break;
    }
    QString text = hungarianArticle(status.fileName) + QStringLiteral(" '") + status.fileName + QStringLiteral("' fájl ") + what;
    const QString reason = status.error == FileError::Unencodable ? QString() : describeFileReason(status);
    if (!reason.isEmpty())
        text += u'\n' + reason;
    return text;
}

QString describeFileReason(const FileStatus& status)
{
    switch (status.reason) {
    case FileReason::FolderMissing: return QStringLiteral("A mappa nem létezik: ") + status.detail;
    case FileReason::NotAFolder: return QStringLiteral("Nem mappa: ") + status.detail;
    case FileReason::IsFolder: return QStringLiteral("Ezen a néven mappa van.");
    case FileReason::NotRegularFile:
        return QStringLiteral("Nem közönséges fájl (eszköz vagy csővezeték), ezért érintetlen marad.");
    case FileReason::DiskFull: return QStringLiteral("Megtelt a lemez.");
    case FileReason::PermissionDenied: return QStringLiteral("Nincs jogosultság.");
    case FileReason::ReadOnlyFileSystem: return QStringLiteral("A lemez csak olvasható.");
    case FileReason::ReadOnlyFile: return QStringLiteral("A fájl csak olvasható.");
    case FileReason::FolderNotWritable:
        return QStringLiteral("A mappa csak olvasható, ezért a fájl nem cserélhető biztonságosan.");
    case FileReason::InputOutput: return QStringLiteral("Lemezhiba (írási vagy olvasási hiba).");
    case FileReason::NameTooLong: return QStringLiteral("Túl hosszú a név.");
    case FileReason::NotFound: return QStringLiteral("Nincs ilyen fájl.");
    case FileReason::DamagedPicture: return QStringLiteral("Sérült vagy ismeretlen formátumú kép.");
    case FileReason::TooLarge: {
        const qint64 limit = status.detail.toLongLong();   // bytes
        if (limit >= qint64(1) << 20)
            return QStringLiteral("A fájl túl nagy: legfeljebb %1 MB lehet.").arg(limit >> 20);
        return QCoreApplication::translate("FileFaults", "A fájl túl nagy: legfeljebb %1 KB lehet.").arg(limit >> 10);
    }
    case FileReason::LinkLoop: return QStringLiteral("A fájl helyén önmagába visszavezető hivatkozás van.");
    case FileReason::FolderNotCreatable:
        return QStringLiteral("Nincs jogosultság a mappa létrehozásához: ") + status.detail;
    case FileReason::DanglingLink:
        return QCoreApplication::translate("FileFaults", "A fájl helyén nem létező fájlra mutató hivatkozás van.");
    case FileReason::Other: break;
    }
    if (!status.detail.isEmpty() && !status.detail.startsWith(QStringLiteral("Unknown error")))
        return status.detail;
    if (status.systemError != 0)
        return QStringLiteral("Rendszerhiba, kódja: ") + QString::number(status.systemError);
    return status.detail.isEmpty() ? QString() : QStringLiteral("Rendszerhiba.");
}

QString hungarianArticle(const QString& word, bool capital)
{
    static const QString vowels = QStringLiteral("aeiouáéíóöőúüű");
    bool vowel = false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const QChar c = word.at(i);
        if (c.isDigit()) {
            vowel = digitsStartWithVowel(QStringView(word).sliced(i));
            break;
        }
        if (c.isLetter()) {
            vowel = vowels.contains(c.toLower());
            break;
        }
    }
    if (vowel)
        return capital ? QStringLiteral("Az") : QStringLiteral("az");
    return capital ? QStringLiteral("A") : QStringLiteral("a");
}


}  // namespace tavik
