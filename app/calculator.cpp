// The calculator's buttons: "Megfigyelés" and "Most!" compute the crescent's
// age and phase, draw the results and log them; "OK", "Utolsó Újhold" and
// "Mentés" carry the two times between the boxes and their files.
//
// Every action ends at its first message, leaving the boxes, the picture, the
// drawn lines and the files as they stand at that moment.
#include "mainwindow.h"

#include "messages.h"
#include "observation.h"
#include "picturebox.h"
#include "picturefile.h"
#include "resultsurface.h"
#include "texts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>

namespace tavik {

namespace {
const QString kLastNewMoonFile = QStringLiteral("ujhold.txt");
const QString kLastObservationFile = QStringLiteral("utolso.txt");
const QString kLogFile = QStringLiteral("szamitott.txt");
const QString kLineEnd = QStringLiteral("\r\n");

const QString kNoLastNewMoon = QStringLiteral("Az 'ujhold.txt' fájl nem található!");
const QString kNoLastObservation = QStringLiteral("Az 'utolsó.txt' fájl nem található!");
const QString kInvalidDates =
    QStringLiteral("Kérem, adjon meg egy ÉRVÉNYES ÚJHOLD / MEGFIGYELÉSI dátumot!");
const QString kNoNewMoonForNow = QStringLiteral("Kérem, adja meg az UTOLSÓ ÚJHOLD időpontját!");
const QString kBlankObservation = QStringLiteral("Üres dátumot NEM mentek!");

// The clock's local date and time to the whole second, as a date-time value.
std::optional<DateTimeValue> clockValue(const QDateTime& now)
{
    const CivilDateTime c{now.date().year(),  now.date().month(),  now.date().day(),
                          now.time().hour(), now.time().minute(), now.time().second()};
    if (!now.isValid() || !isValidCivil(c))
        return std::nullopt;
    return toDateTimeValue(c);
}

// Only spaces count as blank, as for the saved observation time.
bool isBlank(const QString& text)
{
    for (QChar c : text) {
        if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}
}  // namespace

bool A::reportFault(const FileStatus& status)
{
    if (status.ok())
        return false;
    m_env.messages.show(this, MessageIcon::Error, describeFileFault(status));
    return true;
}

bool A::SaveNewMoonBox()
{
    return !reportFault(replaceWholeFile(writePath(kLastNewMoonFile), Text11->text() + kLineEnd));
}

void A::ShowObservationResult(const ObservationResult& r, Trigger trigger)
{
    m_surface->clearText();
    const RegionalSettings& rs = m_env.regional;
    if (trigger == Trigger::Now) {
        for (const ResultLine& line : nowLines(r, rs))
            m_surface->drawText(line.xTwips, line.yTwips, line.text);
    } else {
        for (const ResultLine& line : observationLines(r, rs))
            m_surface->drawText(line.xTwips, line.yTwips, line.text);
    }
}

bool A::AppendCalculationLog(const ObservationResult& r, Trigger trigger)
{
    const QStringList entry = trigger == Trigger::Now ? nowLogEntry(r, m_env.regional)
                                                      : calculationLogEntry(r, m_env.regional);
    return !reportFault(appendToFile(writePath(kLogFile), joinWithCrLf(entry)));
}

void A::showPhasePicture(const QString& fileName)
{
    // A missing or unreadable picture leaves the box empty; the results are
    // still drawn and logged.
    // A damaged one as well, rather than half of it.
    const PictureRead picture = readPicture(readPath(fileName));
    if (picture.ok())
        Picture1->setPixmap(QPixmap::fromImage(picture.image));
    else
        Picture1->clear();
}

// The steps after a successful calculation: the phase picture (the drawn text
// is cleared before it changes), the result lines, the saved new moon and the
// log entry, which follows only a successful save.
void A::showAndRecord(const ObservationResult& r, Trigger trigger)
{
    m_surface->clearText();
    showPhasePicture(r.phasePicture);
    Picture1->setAccessibleName(r.phaseName);
    ShowObservationResult(r, trigger);
    if (SaveNewMoonBox())
        AppendCalculationLog(r, trigger);
}

void A::Command1_Click()
{
    const QString path = readPath(kLastObservationFile);
    if (!dataFileExists(path)) {
        m_env.messages.show(this, MessageIcon::Error, kNoLastObservation);
        return;
    }
    const FileRead<QString> saved = readWholeFile(path);
    if (reportFault(saved.status))
        return;
    Text12->setText(saved.value);

    const auto newMoon = parseDateTime(Text11->text(), m_env.regional);
    const auto observation = parseDateTime(Text12->text(), m_env.regional);
    std::optional<ObservationResult> r;
    if (newMoon && observation)
        r = CalculateAndClassify(*newMoon, *observation, kObservationScale);
    if (!r) {
        // Also two times too far apart for the minute count.
        m_env.messages.show(this, MessageIcon::Warning, kInvalidDates);
        return;
    }

    showAndRecord(*r, Trigger::Observation);
}

void A::Command2_Click()
{
    const auto newMoon = parseDateTime(Text11->text(), m_env.regional);
    // The clock is read once: the box, the drawn lines and the log entry all
    // show the same moment, even across midnight.
    const auto now = clockValue(m_env.clock());
    if (!now)
        return;
    Text12->setText(formatDateTime(*now, m_env.regional));
    if (!newMoon) {
        m_env.messages.show(this, MessageIcon::Warning, kNoNewMoonForNow);
        return;
    }
    const auto r = CalculateAndClassify(*newMoon, *now, kNowScale);
    if (!r) {
        // A new-moon time thousands of years away from today.
        m_env.messages.show(this, MessageIcon::Warning, kInvalidDates);
        return;
    }

    showAndRecord(*r, Trigger::Now);
}

void A::Command3_Click()
{
    const QString path = readPath(kLastNewMoonFile);
    if (!dataFileExists(path)) {
        m_env.messages.show(this, MessageIcon::Error, kNoLastNewMoon);
        return;
    }
    const FileRead<QString> saved = readWholeFile(path);
    if (reportFault(saved.status))
        return;
    Text11->setText(saved.value);
}

void A::Command6_Click()
{
    if (Ujholdak->currentIndex() >= 0)
        Text11->setText(Ujholdak->currentText());
    SaveNewMoonBox();
}

void A::Command14_Click()
{
    const QString text = Text12->text();
    if (isBlank(text)) {
        m_env.messages.show(this, MessageIcon::Warning, kBlankObservation);
        return;
    }
    reportFault(replaceWholeFile(writePath(kLastObservationFile), text + kLineEnd));
}

}  // namespace tavik
