// The form of one attempt in the logbook: its date and time, evening or
// morning, the site, the observer and what was seen, in a dialog that the
// logbook window opens for a new attempt or to edit one.
#pragma once

#include "messages.h"

#include <attempt.h>

#include <QDateTime>
#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLineEdit;
class QPlainTextEdit;
class QTimeEdit;

namespace tavik {

class AttemptForm : public QDialog {
    Q_OBJECT
public:
    // Saves the attempt; false after a reported fault, the form kept open.
    using Saver = std::function<bool(const logbook::Attempt&)>;

    // A new attempt (not editing) starts with no result chosen.
    AttemptForm(const logbook::Attempt& attempt, bool editing, MessageSink messages, QWidget* parent = nullptr);

    void setSaver(Saver saver) { m_saver = std::move(saver); }
    // The clock a time in the future is told by; none: the computer's.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    // The fields as an attempt.
    logbook::Attempt attempt() const;
    // Whether anything was typed or changed since the form was opened.
    bool changed() const;

public Q_SLOTS:
    // Refuses an unknown time zone or a missing result with a message, asks
    // about a time in the future, then saves: only a successful save closes.
    void accept() override;
    // Asks before throwing away what was typed.
    void reject() override;

private:
    void createFields(const logbook::Attempt& a);
    QString state() const;
    bool inFuture(const logbook::Attempt& a) const;
    QDoubleSpinBox* addNumber(const char* name, const QString& accessibleName, double low, double high, int decimals,
                              double value);

    MessageSink m_messages;
    Saver m_saver;
    std::function<QDateTime()> m_clock;
    QString m_opened;   // state() as opened
    QDateEdit* m_date = nullptr;
    QCheckBox* m_timeKnown = nullptr;
    QTimeEdit* m_time = nullptr;
    QComboBox* m_crescent = nullptr;
    QLineEdit* m_siteName = nullptr;
    QDoubleSpinBox* m_latitude = nullptr;
    QDoubleSpinBox* m_longitude = nullptr;
    QDoubleSpinBox* m_elevation = nullptr;
    QLineEdit* m_zone = nullptr;
    QLineEdit* m_observer = nullptr;
    QComboBox* m_result = nullptr;
    QLineEdit* m_instrument = nullptr;
    QComboBox* m_sky = nullptr;
    QPlainTextEdit* m_notes = nullptr;
};

}  // namespace tavik
