#include "description.h"

#include "palette.h"
#include "shapes.h"
#include "ui.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <algorithm>

namespace tavik {

namespace {
constexpr QColor kBackground = ui::kLightYellow;
constexpr QColor kButtonFace = ui::kLightGreen;
constexpr QColor kLineColor = ui::kSilver;

QFont textFont() { return ui::font(QStringLiteral("Times New Roman"), 12.75); }
}  // namespace

DescriptionWindow::DescriptionWindow(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Program leírása"));
    setFixedSize(ui::twipsSize(9495, 7590));
    ui::setColors(this, kBackground);

    createHeading();
    createButtonHelp();
    createSavingHelp();
    createButton();
}

QLabel* DescriptionWindow::addLabel(const char* name, const QString& text, const QRect& rect,
                                    const QFont& font, const QColor& color, Qt::Alignment alignment)
{
    QLabel* label = ui::addLabel(this, name, text, rect, font, kBackground, color);
    label->setWordWrap(true);
    label->setAlignment(alignment | Qt::AlignTop);
    // A box grows downwards when its text needs more lines than the layout
    // gives it, so that no line is cut off.
    const int missing = std::max(0, label->heightForWidth(rect.width()) - rect.height());
    label->setGeometry(rect.adjusted(0, 0, 0, missing));
    return label;
}

void DescriptionWindow::createHeading()
{
    const QColor text = palette().color(QPalette::WindowText);
    Label6 = addLabel("Label6", tr("A program használatához néhány tanács:"),
                      ui::twipsRect(360, 120, 8895, 495), ui::font(QStringLiteral("Arial"), 15.75),
                      text, Qt::AlignHCenter);
    Label7 = addLabel("Label7",
                      tr("A legördülő 'Újhold időpontok' listában az időpontok a magyar "
                                     "időszámítás szerint vannak (nyári- téli isz. korrigálásával!)"),
                      ui::twipsRect(360, 840, 8895, 615), textFont(), ui::kRed, Qt::AlignHCenter);
}

void DescriptionWindow::createButtonHelp()
{
    const QColor text = palette().color(QPalette::WindowText);
    Label1 = addLabel("Label1",
                      tr("1.) a SÁRGA (Utolsó Újhold) gombra kattintva megjelenik a "
                                     "legutolsónak megadott újhold időpontja."),
                      ui::twipsRect(240, 1680, 9015, 615), textFont(), text, Qt::AlignLeft);
    Label2 = addLabel("Label2",
                      tr("2.) a ZÖLD (Megfigyelés) gombra kattintva betölti az elmentett "
                                     "utolsó megfigyelési dátumot. Ha újat adunk meg, a MENTÉS gombbal "
                                     "elmenthetjük, legközelebb már azt tölti be. "),
                      ui::twipsRect(240, 2520, 9015, 975), textFont(), text, Qt::AlignLeft);
    Label3 = addLabel("Label3",
                      tr("3.) a KÉK (Most!) gombra kattintva a pillanatnyi időt-dátumot "
                                     "(a számítógép rendszer idejét) tölti be a 'Megfigyelési idejének'."),
                      ui::twipsRect(240, 3600, 9015, 735), textFont(), text, Qt::AlignLeft);
    Line1 = new ShapeWidget(ui::twipsLine(960, 4440, 8280, 4440), kLineColor, this);
    Line1->setObjectName(QStringLiteral("Line1"));
}

void DescriptionWindow::createSavingHelp()
{
    Label5 = addLabel("Label5",
                      tr("Újhold időpont választásánál:  a program az aktuális (téli- nyári-) "
                                     "MAGYAR idő szerinti időpontokat tölti be (átírható, ha kell). "
                                     "A Program NEM számol át az időzónák között!"),
                      ui::twipsRect(240, 4680, 9015, 735), textFont(), ui::kRed, Qt::AlignLeft);
    Label4 = addLabel("Label4",
                      tr("A ZÖLD vagy a SÖTÉTKÉK gombra kattintva az 'Utolsó Újhold' mező "
                                     "tartalmát a program  -ELMENTI-  és a SÁRGA gombbal legközelebb "
                                     "már azt jeleníti meg!          Minden számítás automatikusan "
                                     "elmentődik a   '\\Pic\\szamitott.txt'   file -ba!"),
                      ui::twipsRect(360, 5640, 9135, 1095), textFont(), ui::kRed, Qt::AlignLeft);
}

void DescriptionWindow::createButton()
{
    Command10 = ui::addButton(this, "Command10", tr("OK"), ui::twipsRect(4320, 6960, 975, 495),
                              ui::font(QStringLiteral("Arial"), 12, true), kButtonFace);
    connect(Command10, &QPushButton::clicked, this, &DescriptionWindow::Command10_Click);
}

void DescriptionWindow::Command10_Click() { close(); }

}  // namespace tavik
