#include "logbookform.h"

#include <circumstances.h>
#include <logbookwords.h>
#include <siteconfig.h>
#include <wordslanguage.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace tavik {

using namespace logbook;

namespace {

template <class W>
W* named(W* w, const char* name, const QString& accessibleName)
{
    w->setObjectName(QLatin1String(name));
    w->setAccessibleName(accessibleName);
    return w;
}

// A choice box of count labels, set to current.
template <class E>
QComboBox* choiceBox(QComboBox* box, int count, QString (*label)(E), E current)
{
    for (int i = 0; i < count; ++i)
        box->addItem(label(E(i)));
    box->setCurrentIndex(int(current));
    return box;
}

}  // namespace

AttemptForm::AttemptForm(const Attempt& attempt, bool editing, MessageSink messages, QWidget* parent)
    : QDialog(parent), m_messages(std::move(messages))
{
    setObjectName(QStringLiteral("AttemptForm"));
    setWindowTitle(editing ? tr("Észlelés szerkesztése") : tr("Új észlelés"));
    createFields(attempt);
    if (!editing)
        m_result->setCurrentIndex(-1);
    m_opened = state();
}

QDoubleSpinBox* AttemptForm::addNumber(const char* name, const QString& accessibleName, double low, double high,
                                       int decimals, double value)
{
    auto* box = named(new QDoubleSpinBox(this), name, accessibleName);
    box->setRange(low, high);
    box->setDecimals(decimals);
    box->setValue(value);
    return box;
}

void AttemptForm::createFields(const Attempt& a)
{
    auto* form = new QFormLayout;
    m_date = named(new QDateEdit(a.date, this), "date", tr("Dátum"));
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(words::Language::datePattern());
    form->addRow(tr("&Dátum:"), m_date);

    auto* timeRow = new QHBoxLayout;
    m_timeKnown = named(new QCheckBox(tr("&Első megpillantás:"), this), "timeKnown", tr("Az első megpillantás ideje ismert"));
    m_time = named(new QTimeEdit(a.time.value_or(QTime(20, 0)), this), "time", tr("Az első megpillantás ideje"));
    m_time->setDisplayFormat(QStringLiteral("HH:mm"));
    m_timeKnown->setChecked(a.time.has_value());
    m_time->setEnabled(a.time.has_value());
    connect(m_timeKnown, &QCheckBox::toggled, m_time, &QWidget::setEnabled);
    timeRow->addWidget(m_timeKnown);
    timeRow->addWidget(m_time);
    timeRow->addStretch(1);
    form->addRow(tr("Időpont:"), timeRow);
    form->addRow(QString(), new QLabel(tr("Idő nélkül az este (hajnal) legjobb időpontjára számol."), this));

    m_crescent = named(new QComboBox(this), "crescent", tr("Esti vagy hajnali sarló"));
    m_crescent->addItems({tr("esti (újhold utáni) sarló"), tr("hajnali (újhold előtti) sarló")});
    m_crescent->setCurrentIndex(a.evening ? 0 : 1);
    form->addRow(tr("&Sarló:"), m_crescent);

    m_siteName = named(new QLineEdit(a.site.name, this), "siteName", tr("A hely neve"));
    form->addRow(tr("&Hely:"), m_siteName);
    m_latitude = addNumber("latitude", tr("Földrajzi szélesség, fok, észak pozitív"), kLatitudeRange.low, kLatitudeRange.high, 4, a.site.latitude);
    form->addRow(tr("Szé&lesség (°):"), m_latitude);
    m_longitude = addNumber("longitude", tr("Földrajzi hosszúság, fok, kelet pozitív"), kLongitudeRange.low, kLongitudeRange.high, 4, a.site.longitude);
    form->addRow(tr("Hossz&úság (°):"), m_longitude);
    m_elevation = addNumber("elevation", tr("Tengerszint feletti magasság, méter"), kElevationRange.low, kElevationRange.high, 0, a.site.elevation);
    form->addRow(tr("M&agasság (m):"), m_elevation);
    m_zone = named(new QLineEdit(a.site.timezone, this), "zone", tr("Időzóna"));
    form->addRow(tr("Idő&zóna:"), m_zone);

    m_observer = named(new QLineEdit(a.observer, this), "observer", tr("Megfigyelő"));
    form->addRow(tr("Megfi&gyelő:"), m_observer);
    m_result = choiceBox(named(new QComboBox(this), "result", tr("Eredmény")), kResultCount, &resultLabel, a.result);
    m_result->setPlaceholderText(tr("– válasszon –"));
    form->addRow(tr("E&redmény:"), m_result);
    m_instrument = named(new QLineEdit(a.instrument, this), "instrument", tr("Műszer"));
    form->addRow(tr("&Műszer:"), m_instrument);
    m_sky = choiceBox(named(new QComboBox(this), "sky", tr("Az ég állapota")), kSkyCount, &skyLabel, a.sky);
    form->addRow(tr("&Ég:"), m_sky);
    m_notes = named(new QPlainTextEdit(a.notes, this), "notes", tr("Megjegyzés"));
    m_notes->setTabChangesFocus(true);
    m_notes->setMinimumHeight(m_notes->fontMetrics().lineSpacing() * 4);
    form->addRow(tr("Meg&jegyzés:"), m_notes);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    // Named here, without access keys: some desktops' "&OK" and "&Cancel" would
    // take the form's Alt+O and Alt+C; Enter and Esc do their work.
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Mégse"));
    connect(buttons, &QDialogButtonBox::accepted, this, &AttemptForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(buttons);
}

Attempt AttemptForm::attempt() const
{
    Attempt a;
    a.date = m_date->date();
    if (m_timeKnown->isChecked())
        a.time = QTime(m_time->time().hour(), m_time->time().minute());
    a.evening = m_crescent->currentIndex() == 0;
    a.site = AttemptSite{m_siteName->text().trimmed(), m_latitude->value(), m_longitude->value(), m_elevation->value(),
                         m_zone->text().trimmed()};
    a.observer = m_observer->text().trimmed();
    a.result = Result(std::max(m_result->currentIndex(), 0));
    a.instrument = m_instrument->text().trimmed();
    a.sky = Sky(m_sky->currentIndex());
    a.notes = m_notes->toPlainText();
    return a;
}

void AttemptForm::accept()
{
    if (!attemptZone(m_zone->text().trimmed()).isValid()) {
        m_messages.show(this, MessageIcon::Warning,
                        tr("Ismeretlen időzóna: „%1”. IANA név kell, például Europe/Budapest, vagy UTC.")
                            .arg(m_zone->text().trimmed()));
        m_zone->setFocus();
        m_zone->selectAll();
        return;
    }
    if (m_result->currentIndex() < 0) {
        m_messages.show(this, MessageIcon::Warning,
                        tr("Válassza ki az eredményt: mivel látta a sarlót, vagy nem látta."));
        m_result->setFocus();
        return;
    }
    const Attempt a = attempt();
    if (inFuture(a)
        && m_messages.ask(this, tr("Az észlelés ideje (%1) a jövőben van. Mégis menti?")
                                    .arg(words::Language::date(a.date)
                                         + (a.time ? u' ' + a.time->toString(QStringLiteral("HH:mm")) : QString())))
               != Answer::Yes) {
        m_date->setFocus();
        return;
    }
    if (m_saver && !m_saver(a))
        return;
    QDialog::accept();
}

void AttemptForm::reject()
{
    if (changed() && m_messages.ask(this, tr("Elveti a beírt adatokat?")) != Answer::Yes)
        return;
    QDialog::reject();
}

bool AttemptForm::inFuture(const Attempt& a) const
{
    const QDateTime now = m_clock ? m_clock() : QDateTime::currentDateTime();
    const QTimeZone zone = attemptZone(a.site.timezone);
    const QDate today = now.toTimeZone(zone).date();
    if (!a.time)
        return a.date > today;
    // A morning's time is on its own date, an evening's too.
    return QDateTime(a.date, *a.time, zone) > now;
}

bool AttemptForm::changed() const
{
    return state() != m_opened;
}

QString AttemptForm::state() const
{
    QStringList fields{m_date->date().toString(Qt::ISODate), QString::number(m_timeKnown->isChecked()),
                       m_time->time().toString(Qt::ISODate), QString::number(m_crescent->currentIndex()),
                       m_siteName->text(), m_latitude->text(), m_longitude->text(), m_elevation->text(),
                       m_zone->text(), m_observer->text(), QString::number(m_result->currentIndex()),
                       m_instrument->text(), QString::number(m_sky->currentIndex()), m_notes->toPlainText()};
    return fields.join(QChar(0));
}

}  // namespace tavik
