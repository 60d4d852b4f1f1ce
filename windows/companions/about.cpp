#include "about.h"

#include "palette.h"
#include "shapes.h"
#include "ui.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace tavik {

namespace {
constexpr QColor kBackground = ui::kLightCyan;
constexpr QColor kButtonFace = ui::kLightGreen;
constexpr QColor kLineColor = ui::kGrey;
constexpr int kIconPixels = 32;

QFont narrow(double points, bool bold = false)
{
    return ui::font(QStringLiteral("Arial Narrow"), points, bold);
}

// The program's own icon; the window still opens when it is not built in.
QIcon applicationIcon()
{
    const QString resource = QStringLiteral(":/tavik.png");
    if (QFile::exists(resource))
        return QIcon(resource);
    if (!QApplication::windowIcon().isNull())
        return QApplication::windowIcon();
    return QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
}
}  // namespace

QString AboutWindow::versionText()
{
    return tr("Version %1.%2.%3")
        .arg(TAVIK_VERSION_MAJOR)
        .arg(TAVIK_VERSION_MINOR)
        .arg(TAVIK_VERSION_PATCH);
}

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setModal(false);
    setFixedSize(ui::twipsSize(5730, 4290));
    ui::setColors(this, kBackground);

    createIcon();
    createTitleLines();
    createFooter();
    Form_Load();
}

QLabel* AboutWindow::addLabel(const char* name, const QString& text, const QRect& rect, const QFont& font)
{
    return ui::addLabel(this, name, text, rect, font, kBackground);
}

void AboutWindow::createIcon()
{
    picIcon = addLabel("picIcon", QString(), ui::twipsRect(240, 240, 540, 540), QFont());
    QPixmap picture = applicationIcon().pixmap(kIconPixels, kIconPixels);
    if (!picture.isNull() && picture.deviceIndependentSize().toSize() != QSize(kIconPixels, kIconPixels))
        picture = picture.scaled(kIconPixels, kIconPixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picIcon->setPixmap(picture);
}

void AboutWindow::createTitleLines()
{
    lblTitle = addLabel("lblTitle", QString(), ui::twipsRect(1080, 240, 3525, 480), narrow(18, true));
    Label3 = addLabel("Label3", tr("Holdsarló kor és fázis számoló"),
                      ui::twipsRect(1080, 720, 4455, 495), narrow(14.25));
    lblVersion = addLabel("lblVersion", QString(), ui::twipsRect(1080, 1320, 2205, 345),
                          narrow(14.25, true));
    Label1 = addLabel("Label1", QStringLiteral("(x86  / 32-bit)"), ui::twipsRect(2880, 1320, 2055, 375),
                      narrow(14.25));

    QFont heavy = ui::font(QStringLiteral("Arial"), 11.25);
    heavy.setWeight(QFont::Black);
    Label4 = addLabel("Label4", QStringLiteral("Orvel Edition"), ui::twipsRect(2880, 1800, 2415, 375), heavy);
}

void AboutWindow::createFooter()
{
    lblDescription = addLabel("lblDescription", tr("© 2024–2026 a Tavik fejlesztői"),
                              ui::twipsRect(1080, 2520, 4485, 450), narrow(14.25));
    ui::setColors(lblDescription, kBackground, Qt::black);
    Label2 = addLabel("Label2", QStringLiteral("https://tavik-hold.github.io"),
                      ui::twipsRect(2400, 3000, 2895, 375), narrow(14.25));
    Label2->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Line1 = new ShapeWidget(ui::twipsLine(240, 3480, 5400, 3480), kLineColor, this);
    Line1->setObjectName(QStringLiteral("Line1"));

    cmdOK = ui::addButton(this, "cmdOK", tr("OK"), ui::twipsRect(2400, 3720, 1020, 345),
                          ui::font(QStringLiteral("MS Sans Serif"), 8.25, true), kButtonFace);
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    // Enter presses the default button; Esc reaches QDialog::reject(), which
    // closes the window just as cmdOK does.
    connect(cmdOK, &QPushButton::clicked, this, &AboutWindow::cmdOK_Click);
}

void AboutWindow::Form_Load()
{
    setWindowTitle(tr("About %1").arg(ui::applicationTitle()));
    lblVersion->setText(versionText());
    lblTitle->setText(ui::applicationTitle());
}

void AboutWindow::cmdOK_Click() { close(); }

}  // namespace tavik
