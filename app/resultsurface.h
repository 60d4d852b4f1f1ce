// The main window's own drawing surface: the panel frames and rules, and the
// result lines that a calculation draws on it. It keeps what was drawn and
// paints it again whenever the window needs it.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace tavik {

class ResultSurface : public QWidget {
    Q_OBJECT
public:
    struct Piece {
        QPoint twips;   // top-left corner of the first character
        QString text;
    };

    explicit ResultSurface(QWidget* parent = nullptr);

    // Removes every drawn text; the frames and rules stay.
    void clearText();
    void drawText(int xTwips, int yTwips, const QString& text);

    const QList<Piece>& pieces() const noexcept { return m_pieces; }
    QStringList texts() const;

    const QFont& textFont() const noexcept { return m_font; }
    const QColor& textColor() const noexcept { return m_color; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<Piece> m_pieces;
    QFont m_font;
    QColor m_color;
};

}  // namespace tavik
