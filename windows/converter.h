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
class ShapeWidget;

// Mils per degree. Deliberately this decimal and not 6000/360: the results
// users know (2000° = 33333,34 mils) come from it.
inline constexpr double kMilsPerDegree = 16.66667;

constexpr double degreesToMils(double degrees) noexcept { return degrees * kMilsPerDegree; }
constexpr double milsToDegrees(double mils) noexcept { return mils / kMilsPerDegree; }

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
    void createNote();
    void createFocusOrder();
    void nameForScreenReaders();
    QLabel* addLabel(const char* name, const QString& text, const QRect& rect, bool underline = false);
    QLineEdit* addEntry(const char* name, const QRect& rect);
    QPushButton* addCalculateButton(const char* name, const QRect& rect);
    // Reads entry; on success clears the surface and draws the converted value
    // at twips (x, y); otherwise warns and leaves everything as it was.
    void convert(const QLineEdit* entry, double (*conversion)(double) noexcept, int xTwips, int yTwips);

    RegionalSettings m_regional;
    MessageSink m_messages;
    DrawingSurface* m_surface = nullptr;
    ShapeWidget* Shape1 = nullptr;
    QLabel* Label41 = nullptr;
    QLineEdit* Text41 = nullptr;
    QLabel* Label42 = nullptr;
    QLabel* Label43 = nullptr;
    QPushButton* Command41 = nullptr;
    ShapeWidget* Line1 = nullptr;
    QLabel* Label45 = nullptr;
    QLineEdit* Text42 = nullptr;
    QLabel* Label46 = nullptr;
    QLabel* Label47 = nullptr;
    QPushButton* Command42 = nullptr;
    ShapeWidget* Line2 = nullptr;
    QLabel* Label48 = nullptr;
    QPushButton* Command499 = nullptr;
};

}  // namespace tavik
