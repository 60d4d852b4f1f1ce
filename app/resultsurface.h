// The main window's own drawing surface: the panel frames and rules, and the
// result lines that a calculation draws on it at positions given in twips.
// It keeps what was drawn and paints it again whenever the window needs it.
#pragma once

#include "drawingsurface.h"

#include <QStringList>
#include <array>

namespace tavik {

class ResultSurface : public DrawingSurface {
    Q_OBJECT
public:
    explicit ResultSurface(QWidget* parent = nullptr);

    // Where the result lines stand, in twips: the top-left corner of each
    // line's first character.
    static constexpr int kLineLeft = 650;
    static constexpr int kTimeLeft = 4850;   // "Most!": the time on the first line
    static constexpr std::array<int, 5> kLineTops{1265, 2100, 2800, 3300, 5120};

    // Removes every drawn text; the frames and rules stay.
    void clearText() { clear(); }
    // The top-left corner of the text's first character at (xTwips, yTwips).
    void drawText(int xTwips, int yTwips, const QString& text);

    // Clears the text and draws the five result lines of "Megfigyelés".
    void showObservationLines(const std::array<QString, 5>& lines);
    // Clears the text and draws the "Most!" pieces: the first line's date,
    // the time at kTimeLeft (or a blank after the date when the date reaches
    // that far), then the other four lines.
    void showNowLines(const std::array<QString, 6>& pieces);

    QStringList texts() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // As drawText, but when the last drawn text reaches x, one blank's width
    // after its end instead, so the two never run into each other.
    void drawTextBeside(int xTwips, int yTwips, const QString& text);
};

}  // namespace tavik
