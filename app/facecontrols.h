// Controls drawn in their own colours exactly, in the classic Windows manner:
// a push button in its face colour with a raised border (sunken while pressed)
// and a dotted focus frame, chosen with Enter as well as the space bar while it
// has the focus, and a drop-down list with a sunken box in its
// back colour and a grey arrow button.
#pragma once

#include <QColor>
#include <QComboBox>
#include <QPushButton>

namespace tavik {

class FaceButton : public QPushButton {
    Q_OBJECT
public:
    FaceButton(const QString& text, const QColor& face, QWidget* parent = nullptr);

    const QColor& face() const noexcept { return m_face; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor m_face;
};

class DropDownList : public QComboBox {
    Q_OBJECT
public:
    DropDownList(const QColor& back, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Only a list with the focus takes wheel steps: a wheel turned while the
    // pointer merely passes over it must not change the chosen entry.
    void wheelEvent(QWheelEvent* event) override;

private:
    QColor m_back;
};

}  // namespace tavik
