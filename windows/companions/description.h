// The description window "Form2": the user guide, a fixed page of text that
// explains the main window's buttons, the new-moon times and the log.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace tavik {

class ShapeWidget;

class DescriptionWindow : public QWidget {
    Q_OBJECT
public:
    explicit DescriptionWindow(QWidget* parent = nullptr);

private Q_SLOTS:
    void Command10_Click();

private:
    void createHeading();
    void createButtonHelp();
    void createSavingHelp();
    void createButton();
    QLabel* addLabel(const char* name, const QString& text, const QRect& rect, const QFont& font,
                     const QColor& color, Qt::Alignment alignment);

    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    ShapeWidget* Line1 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Command10 = nullptr;
};

}  // namespace tavik
