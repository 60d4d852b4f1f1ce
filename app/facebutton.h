// A push button drawn in its face colour, exactly, with the raised border of
// the classic Windows buttons (sunken while pressed) and a dotted focus frame.
#pragma once

#include <QColor>
#include <QPushButton>

namespace tavik {

class FaceButton : public QPushButton {
    Q_OBJECT
public:
    FaceButton(const QString& text, const QColor& face, QWidget* parent = nullptr);

    const QColor& face() const noexcept { return m_face; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_face;
};

}  // namespace tavik
