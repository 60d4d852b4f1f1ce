// The calculator's buttons: "Megfigyelés" and "Most!" compute the crescent's
// age and phase, draw the results and log them; "OK", "Utolsó Újhold" and
// "Mentés" carry the two times between the boxes and their files.
//
// Every action ends at its first message, leaving the boxes, the picture, the
// drawn lines and the files as they stand at that moment.
#include "mainwindow.h"

#include "localzone.h"
#include "messages.h"
#include "observation.h"
#include "palette.h"
#include "picturebox.h"
#include "picturefile.h"
#include "resultsurface.h"
#include "texts.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPixmap>
#include <QTimeZone>

namespace tavik {

namespace {
const QString kLineEnd = QStringLiteral("\r\n");

const char* const kNoLastNewMoon = QT_TRANSLATE_NOOP("tavik::A", "Az 'ujhold.txt' fájl nem található!");
const char* const kNoLastObservation = QT_TRANSLATE_NOOP("tavik::A", "Az 'utolsó.txt' fájl nem található!");
const char* const kInvalidDates =
    QT_TRANSLATE_NOOP("tavik::A", "Kérem, adjon meg egy ÉRVÉNYES ÚJHOLD / MEGFIGYELÉSI dátumot!");
const char* const kNoNewMoonForNow = QT_TRANSLATE_NOOP("tavik::A", "Kérem, adja meg az UTOLSÓ ÚJHOLD időpontját!");
const char* const kBlankObservation = QT_TRANSLATE_NOOP("tavik::A", "Üres dátumot NEM mentek!");

// The clock's local date and time to the whole second, as a date-time value.
std::optional<DateTimeValue> clockValue(const QDateTime& now)
{
    const CivilDateTime c{now.date().year(),  now.date().month(),  now.date().day(),
                          now.time().hour(), now.time().minute(), now.time().second()};
    if (!now.isValid() || !isValidCivil(c))
        return std::nullopt;
    return toDateTimeValue(c);
}

// Both times are clock times of the system's zone; across a change of summer
// time the real time between them differs from their clock difference.
UtcOffsets systemOffsets(DateTimeValue newMoon, DateTimeValue observation)
{
    const QTimeZone zone = QTimeZone::systemTimeZone();
    return {utcOffsetAt(newMoon, zone), utcOffsetAt(observation, zone)};
}

using ui::isBlank;   // only spaces count as blank
}  // namespace

bool A::reportFault(const FileStatus& status)
{
    if (status.ok())
        return false;
    m_env.messages.show(this, MessageIcon::Error, describeFileFault(status));
    return true;
}

bool A::newMoonBoxFitsItsFile()
{
    QString unencodable;
    if (encodeWindows1250(Text11->text() + kLineEnd, &unencodable))
        return true;
    const QString path = writePath(kLastNewMoonFile);
    reportFault(FileStatus{FileError::Unencodable, QFileInfo(path).fileName(), unencodable});
    return false;
}

bool A::SaveNewMoonBox()
{
    return !reportFault(replaceWholeFile(writePath(kLastNewMoonFile), Text11->text() + kLineEnd));
}

void A::ShowObservationResult(const ObservationResult& r, Trigger trigger)
{
    if (trigger == Trigger::Now)
        m_surface->showNowLines(nowLines(r, m_env.regional));
    else
        m_surface->showObservationLines(observationLines(r, m_env.regional));
}

bool A::AppendCalculationLog(const ObservationResult& r, Trigger trigger)
{
    const QStringList entry = trigger == Trigger::Now ? nowLogEntry(r, m_env.regional)
                                                      : calculationLogEntry(r, m_env.regional);
    return !reportFault(appendToFile(writePath(kCalculationLogFile), joinWithCrLf(entry)));
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

// The steps after a successful calculation: the phase picture, the result
// lines (the old ones are cleared in the same step, so no repaint shows the new
// picture beside them), the saved new moon and the log entry, which follows
// only a successful save. A new-moon text that its file cannot hold stops
// everything before the window changes.
void A::showAndRecord(const ObservationResult& r, Trigger trigger)
{
    if (!newMoonBoxFitsItsFile())
        return;
    showPhasePicture(r.phasePicture);
    Picture1->setAccessibleName(r.phaseName);
    ShowObservationResult(r, trigger);
    if (SaveNewMoonBox())
        AppendCalculationLog(r, trigger);
}

std::optional<QString> A::readRecord(const QString& fileName, const QString& missingMessage)
{
    const FileRead<QString> saved = readWholeFile(readPath(fileName), kMaxRecordBytes);
    if (saved.status.error == FileError::Missing) {
        m_env.messages.show(this, MessageIcon::Error, missingMessage);
        return std::nullopt;
    }
    if (reportFault(saved.status))
        return std::nullopt;
    return saved.value;
}

void A::Command1_Click()
{
    const std::optional<QString> saved = readRecord(kLastObservationFile, tr(kNoLastObservation));
    if (!saved)
        return;
    Text12->setText(*saved);

    const auto newMoon = parseDateTime(Text11->text(), m_env.regional);
    const auto observation = parseDateTime(Text12->text(), m_env.regional);
    std::optional<ObservationResult> r;
    if (newMoon && observation)
        r = CalculateAndClassify(*newMoon, *observation, kObservationScale,
                                 systemOffsets(*newMoon, *observation));
    if (!r) {
        // Also two times too far apart for the minute count.
        m_env.messages.show(this, MessageIcon::Warning, tr(kInvalidDates));
        return;
    }

    showAndRecord(*r, Trigger::Observation);
}

void A::Command2_Click()
{
    const auto newMoon = parseDateTime(Text11->text(), m_env.regional);
    // The clock is read once: the box, the drawn lines and the log entry all
    // show the same moment, even across midnight.
    const QDateTime clock = m_env.clock();
    const auto now = clockValue(clock);
    if (!now)
        return;
    Text12->setText(formatDateTime(*now, m_env.regional));
    if (!newMoon) {
        m_env.messages.show(this, MessageIcon::Warning, tr(kNoNewMoonForNow));
        return;
    }
    // The clock knows which pass of a repeated autumn hour it is in.
    const UtcOffsets offsets{utcOffsetAt(*newMoon, QTimeZone::systemTimeZone()),
                             clock.offsetFromUtc()};
    const auto r = CalculateAndClassify(*newMoon, *now, kNowScale, offsets);
    if (!r) {
        // A new-moon time thousands of years away from today.
        m_env.messages.show(this, MessageIcon::Warning, tr(kInvalidDates));
        return;
    }

    showAndRecord(*r, Trigger::Now);
}

void A::Command3_Click()
{
    if (const std::optional<QString> saved = readRecord(kLastNewMoonFile, tr(kNoLastNewMoon)))
        Text11->setText(*saved);
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
        m_env.messages.show(this, MessageIcon::Warning, tr(kBlankObservation));
        return;
    }
    reportFault(replaceWholeFile(writePath(kLastObservationFile), text + kLineEnd));
}

}  // namespace tavik
