// The About window "frmAbout": title, version, edition, the notice line and
// the project's web address. A modeless dialog, so that Enter and Esc both
// close it through its OK button.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tavik {

class ShapeWidget;

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);

    // "Version 1.4.6", from the version the build declares.
    static QString versionText();

private Q_SLOTS:
    void cmdOK_Click();

private:
    void createIcon();
    void createTitleLines();
    void createFooter();
    void Form_Load();
    QLabel* addLabel(const char* name, const QString& text, const QRect& rect, const QFont& font);

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* Label2 = nullptr;
    ShapeWidget* Line1 = nullptr;
    QPushButton* cmdOK = nullptr;
};

}  // namespace tavik
