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
    // English needs no article that agrees with the name: its sentences leave %1 out.
    const char* pattern = nullptr;
    switch (status.error) {
    case FileError::None: return {};
    case FileError::Missing: pattern = QT_TRANSLATE_NOOP("tavik::FileFaults", "%1 '%2' fájl NEM található!"); break;
    case FileError::NotReadable: pattern = QT_TRANSLATE_NOOP("tavik::FileFaults", "%1 '%2' fájl NEM olvasható!"); break;
    case FileError::NotWritable: pattern = QT_TRANSLATE_NOOP("tavik::FileFaults", "%1 '%2' fájl NEM menthető!"); break;
    case FileError::Unencodable:
        // A pasted U+3000 would show as nothing: invisible ones go by their code.
        pattern = QT_TRANSLATE_NOOP("tavik::FileFaults",
                                    "%1 '%2' fájl NEM menthető! Ezeket a karaktereket nem lehet benne tárolni: %3");
        break;
    }
    QString text = fillIn(QCoreApplication::translate("tavik::FileFaults", pattern),
                          {hungarianArticle(status.fileName), status.fileName, visibleCharacters(status.detail)});
    const QString reason = status.error == FileError::Unencodable ? QString() : describeFileReason(status);
    if (!reason.isEmpty())
        text += u'\n' + reason;
    return text;
}

QString describeFileReason(const FileStatus& status)
{
    const auto say = [](const char* text) { return QCoreApplication::translate("tavik::FileFaults", text); };
    switch (status.reason) {
    case FileReason::FolderMissing: return say(QT_TRANSLATE_NOOP("tavik::FileFaults", "A mappa nem létezik: %1")).arg(status.detail);
    case FileReason::NotAFolder: return say(QT_TRANSLATE_NOOP("tavik::FileFaults", "Nem mappa: %1")).arg(status.detail);
    case FileReason::IsFolder: return say(QT_TRANSLATE_NOOP("tavik::FileFaults", "Ezen a néven mappa van."));
    case FileReason::NotRegularFile:
        return say(QT_TRANSLATE_NOOP("tavik::FileFaults",
                                     "Nem közönséges fájl (eszköz vagy csővezeték), ezért érintetlen marad."));
    case FileReason::DiskFull: return say(QT_TRANSLATE_NOOP("tavik::FileFaults", "Megtelt a lemez."));
    case FileReason::PermissionDenied: return say(QT_TRANSLATE_NOOP("tavik::FileFaults", "Nincs jogosultság."));
    case FileReason::ReadOnlyFileSystem: return say(QT_TRANSLATE_NOOP("tavik::FileFaults", "A lemez csak olvasható."));
    case FileReason::ReadOnlyFile: return say(QT_TRANSLATE_NOOP("tavik::FileFaults", "A fájl csak olvasható."));
    case FileReason::FolderNotWritable:
        return say(QT_TRANSLATE_NOOP("tavik::FileFaults",
                                     "A mappa csak olvasható, ezért a fájl nem cserélhető biztonságosan."));
    case FileReason::InputOutput: return say(QT_TRANSLATE_NOOP("tavik::FileFaults", "Lemezhiba (írási vagy olvasási hiba)."));
    case FileReason::NameTooLong: return say(QT_TRANSLATE_NOOP("tavik::FileFaults", "Túl hosszú a név."));
    case FileReason::NotFound: return say(QT_TRANSLATE_NOOP("tavik::FileFaults", "Nincs ilyen fájl."));
    case FileReason::DamagedPicture: return say(QT_TRANSLATE_NOOP("tavik::FileFaults", "Sérült vagy ismeretlen formátumú kép."));
    case FileReason::TooLarge: {
        const qint64 limit = status.detail.toLongLong();   // bytes
        if (limit >= qint64(1) << 20)
            return say(QT_TRANSLATE_NOOP("tavik::FileFaults", "A fájl túl nagy: legfeljebb %1 MB lehet.")).arg(limit >> 20);
        return say(QT_TRANSLATE_NOOP("tavik::FileFaults", "A fájl túl nagy: legfeljebb %1 KB lehet.")).arg(limit >> 10);
    }
    case FileReason::LinkLoop:
        return say(QT_TRANSLATE_NOOP("tavik::FileFaults", "A fájl helyén önmagába visszavezető hivatkozás van."));
    case FileReason::FolderNotCreatable:
        return say(QT_TRANSLATE_NOOP("tavik::FileFaults", "Nincs jogosultság a mappa létrehozásához: %1")).arg(status.detail);
    case FileReason::DanglingLink:
        return say(QT_TRANSLATE_NOOP("tavik::FileFaults", "A fájl helyén nem létező fájlra mutató hivatkozás van."));
    case FileReason::Other: break;
    }
    if (!status.detail.isEmpty() && !status.detail.startsWith(QStringLiteral("Unknown error")))
        return status.detail;
    if (status.systemError != 0)
        return say(QT_TRANSLATE_NOOP("tavik::FileFaults", "Rendszerhiba, kódja: %1")).arg(status.systemError);
    return status.detail.isEmpty() ? QString() : say(QT_TRANSLATE_NOOP("tavik::FileFaults", "Rendszerhiba."));
}

QString fillIn(const QString& pattern, const QStringList& values)
{
    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == u'%' && i + 1 < pattern.size() && pattern.at(i + 1) >= u'1' && pattern.at(i + 1) <= u'9') {
            const int n = pattern.at(i + 1).digitValue();
            if (n <= values.size()) {
                out += values.at(n - 1);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
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
