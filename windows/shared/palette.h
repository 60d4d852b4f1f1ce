// What the windows share besides the twips of ui.h: the colours of their
// layouts, the system's own colours for the parts that keep them, the plain
// label that every layout places, the blank test of the "Mentés" buttons and
// the shown part of a long line.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace tavik::ui {

inline constexpr QColor kBlack(0x00, 0x00, 0x00);
inline constexpr QColor kWhite(0xFF, 0xFF, 0xFF);
inline constexpr QColor kRed(0xFF, 0x00, 0x00);
inline constexpr QColor kNavy(0x00, 0x00, 0x80);
inline constexpr QColor kTeal(0x00, 0x80, 0x80);
inline constexpr QColor kYellow(0xFF, 0xFF, 0x80);
inline constexpr QColor kLightYellow(0xFF, 0xFF, 0xC0);
inline constexpr QColor kGreen(0x80, 0xFF, 0x80);
inline constexpr QColor kLightGreen(0xC0, 0xFF, 0xC0);   // the companion windows' buttons
inline constexpr QColor kLightCyan(0xC0, 0xFF, 0xFF);
inline constexpr QColor kSilver(0xC0, 0xC0, 0xC0);       // lines and frames
inline constexpr QColor kGrey(0x80, 0x80, 0x80);         // lines and frames
inline constexpr QColor kFrameGrey(0xB0, 0xB0, 0xB0);    // text box frames on black

// The system's colours, set on the widget itself so that none of its window's
// own colours reach it.
QPalette systemPalette(const QWidget* w);

// A label of plain text at rect (pixels), aligned to its top left, on the
// background colour (and in the text colour when one is given).
QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QRect& rect,
                 const QFont& font, const QColor& background, const QColor& textColor = QColor());

// A push button at rect (pixels), drawn with its face colour.
QPushButton* addButton(QWidget* parent, const char* name, const QString& text, const QRect& rect,
                       const QFont& font, const QColor& face);

// Only the space character counts: a text of tabs or line ends is not blank.
bool isBlank(const QString& text);

// At most the first `longest` characters of text, for showing a line that may
// be endless; one fewer when the cut would part the two halves of a character.
QString shownPart(const QString& text, qsizetype longest);

}  // namespace tavik::ui
