// The form of one attempt in the logbook: its date and time, evening or
// morning, the site, the observer and what was seen, in a dialog that the
// logbook window opens for a new attempt or to edit one.
#pragma once

#include "messages.h"

#include <attempt.h>

#include <QDialog>

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
    AttemptForm(const logbook::Attempt& attempt, bool editing, MessageSink messages, QWidget* parent = nullptr);

    // The fields as an attempt (valid after accept()).
    logbook::Attempt attempt() const;

public Q_SLOTS:
    // Refuses an unknown time zone with a message, the box focused.
    void accept() override;

private:
    void createFields(const logbook::Attempt& a);
    QDoubleSpinBox* addNumber(const char* name, const QString& accessibleName, double low, double high, int decimals,
                              double value);

    MessageSink m_messages;
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
