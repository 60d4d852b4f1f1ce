// A picture box: shows a picture unscaled from its top-left corner and reports
// a click (button pressed and released over it).
#pragma once

#include <QLabel>

namespace tavik {

class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

}  // namespace tavik
