// The calculations window "Form4": converts angles between degrees and
// artillery mils (the full circle divided into 6000 parts).
#pragma once

#include "messages.h"
#include "regional.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavik {

class DrawingSurface;
struct ConversionRow;

class ConverterWindow : public QWidget {
    Q_OBJECT
public:
    ConverterWindow(const RegionalSettings& regional, MessageSink messages, QWidget* parent = nullptr);

    DrawingSurface* surface() const noexcept { return m_surface; }

private Q_SLOTS:
    void Command41_Click();
    void Command42_Click();
    void Command499_Click();

private:
    void createSurface();
    void createDegreeRow();
    void createMilRow();
    // One conversion row: heading, entry, unit labels, button and the line under it.
    void createRow(const ConversionRow& row, QLineEdit*& entry, QPushButton*& button,
                   void (ConverterWindow::*click)());
    void createNote();
    void createFocusOrder();
    void nameForScreenReaders();
    // Reads the row's entry; on success clears the surface and draws the
    // converted value at the row's result position; otherwise warns and
    // leaves everything as it was.
    void convert(const ConversionRow& row, const QLineEdit* entry);

    RegionalSettings m_regional;
    MessageSink m_messages;
    DrawingSurface* m_surface = nullptr;
    QLineEdit* Text41 = nullptr;
    QPushButton* Command41 = nullptr;
    QLineEdit* Text42 = nullptr;
    QPushButton* Command42 = nullptr;
    QPushButton* Command499 = nullptr;
};

}  // namespace tavik
