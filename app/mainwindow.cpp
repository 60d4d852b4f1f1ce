#include "mainwindow.h"

#include "accessible.h"
#include "facecontrols.h"
#include "palette.h"
#include "picturebox.h"
#include "resultsurface.h"
#include "ui.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QStringListModel>

#include <utility>

namespace tavik {

namespace {
using ui::kBlack;
using ui::kFrameGrey;
using ui::kGreen;
using ui::kYellow;
constexpr QColor kPaleYellow = ui::kLightYellow;
constexpr QColor kBlue = ui::kLightCyan;   // the "Most!" button, blue in the user guide

QFont serif(double points) { return ui::font(QStringLiteral("Times New Roman"), points); }
QFont sans(double points, bool italic = false)
{
    return ui::font(QStringLiteral("Arial"), points, false, italic);
}

QLabel* caption(QWidget* parent, const char* name, const QString& text, const QColor& color,
                const QRect& geometry)
{
    return ui::addLabel(parent, name, text, geometry, serif(12.75), kBlack, color);
}

QLineEdit* textBox(QWidget* parent, const char* name, int limit, const QColor& color,
                   const QFont& font, const QRect& geometry)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(limit);   // also cuts what setText() puts in
    e->setGeometry(geometry);
    e->setFont(font);
    // The style draws the box's frame from the window colour; grey keeps it
    // visible on the black panel.
    QPalette p = e->palette();
    p.setColor(QPalette::Base, kBlack);
    p.setColor(QPalette::Text, color);
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::Window, kFrameGrey);
    e->setPalette(p);
    return e;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, const QColor& face,
                    const QFont& font, const QRect& geometry)
{
    // Drawn by the button itself: exact face colours without the cost of
    // style sheets at start-up.
    auto* b = new FaceButton(text, face, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    b->setFont(font);
    return b;
}
}  // namespace

MainWindowEnvironment MainWindowEnvironment::system()
{
    return MainWindowEnvironment{
        DataFolders::system(),
        RegionalSettings::fromLocale(QLocale::system()),
        [] { return QDateTime::currentDateTime(); },
        MessageSink(),
        siteConfigPath(),
    };
}

A::A(MainWindowEnvironment env, QWidget* parent)
    : QMainWindow(parent)
    , m_env(std::move(env))
{
    if (!m_env.clock)
        m_env.clock = [] { return QDateTime::currentDateTime(); };
    setObjectName(QStringLiteral("A"));
    // "v1.46a": the project's version and edition letter, from the build.
    setWindowTitle(tr("Tavik  - Holdsarló kor és fázis számoló     -  %1  (x86)   - Orvel Edition")
                       .arg(QStringLiteral(TAVIK_TITLE_VERSION)));
    createClient();
    createMenu();
    createTextBoxes();
    nameForScreenReaders();
    LoadNewMoonList();
    setTabOrderChain();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    centreOnScreen();
    Text11->setFocus();

    PictureHoldak->setPixmap(QPixmap(QStringLiteral(":/banner.jpg")));
}

A::~A() = default;

void A::createClient()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(ui::twipsSize(11160, 5850));
    ui::setColors(client, kBlack, kGreen);
    client->setFont(serif(14.25));
    setCentralWidget(client);

    // The surface lies under every control, so the frames and result lines
    // show where the controls leave room.
    m_surface = new ResultSurface(client);
    m_surface->setGeometry(client->rect());

    createNewMoonGroup(client);
    createObservationGroup(client);
    createPictures(client);
}

namespace {
// The list shows at most this many characters of an entry: a line of many
// megabytes in "ujholdak.txt" would otherwise be measured and shaped whole,
// freezing the window. The model keeps the whole line; "OK" takes no more than
// Text11 holds anyway.
constexpr qsizetype kLongestShownEntry = 200;

class NewMoonListModel : public QStringListModel {
public:
    using QStringListModel::QStringListModel;
    QVariant data(const QModelIndex& index, int role) const override
    {
        QVariant value = QStringListModel::data(index, role);
        if (role != Qt::DisplayRole)
            return value;
        const QString text = value.toString();
        if (text.size() <= kLongestShownEntry)
            return value;
        return ui::shownPart(text, kLongestShownEntry);
    }
};
}  // namespace

void A::createNewMoonGroup(QWidget* client)
{
    Label8 = caption(client, "Label8", tr("Utolsó Újhold :"), kYellow,
                     ui::twipsRect(6840, 840, 2655, 375));

    Ujholdak = new DropDownList(kPaleYellow, client);
    Ujholdak->setObjectName(QStringLiteral("Ujholdak"));
    Ujholdak->setGeometry(ui::twipsRect(6840, 1800, 2295, 405));
    Ujholdak->setFont(serif(12.75));
    Ujholdak->setEditable(false);
    // A list of many thousand dates must not be measured line by line.
    Ujholdak->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_newMoons = new NewMoonListModel(Ujholdak);
    Ujholdak->setModel(m_newMoons);
    // The combo box's own view, which is a list view.
    static_cast<QListView*>(Ujholdak->view())->setUniformItemSizes(true);

    Command6 = button(client, "Command6", tr("OK"), kPaleYellow, sans(11.25),
                      ui::twipsRect(9720, 1800, 975, 495));
    Command3 = button(client, "Command3", tr("Utolsó Újhold"), kYellow, sans(11.25),
                      ui::twipsRect(6840, 2520, 1695, 495));
    connect(Command6, &QPushButton::clicked, this, &A::Command6_Click);
    connect(Command3, &QPushButton::clicked, this, &A::Command3_Click);
}

void A::createObservationGroup(QWidget* client)
{
    Label9 = caption(client, "Label9", tr("Megfigyelés :"), kGreen,
                     ui::twipsRect(6840, 3720, 2655, 375));
    Command14 = button(client, "Command14", tr("Mentés"), kGreen, sans(11.25),
                       ui::twipsRect(9720, 4200, 975, 495));
    Command1 = button(client, "Command1", tr("Megfigyelés"), kGreen, sans(11.25),
                      ui::twipsRect(6840, 4920, 1695, 495));
    Command2 = button(client, "Command2", tr("Most!"), kBlue, sans(12, true),
                      ui::twipsRect(9720, 4920, 975, 495));
    connect(Command14, &QPushButton::clicked, this, &A::Command14_Click);
    connect(Command1, &QPushButton::clicked, this, &A::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &A::Command2_Click);
}

void A::createTextBoxes()
{
    QWidget* client = centralWidget();
    Text11 = textBox(client, "Text11", kNewMoonLimit, kPaleYellow, serif(14.25),
                     ui::twipsRect(6840, 1200, 2295, 405));
    Text12 = textBox(client, "Text12", kObservationLimit, kGreen, serif(14.25),
                     ui::twipsRect(6840, 4200, 2655, 435));
}

void A::createPictures(QWidget* client)
{
    PictureHoldak = new QLabel(client);
    PictureHoldak->setObjectName(QStringLiteral("PictureHoldak"));
    PictureHoldak->setGeometry(ui::twipsRect(480, 240, 4455, 615));
    PictureHoldak->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Picture1 = new PictureBox(client);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(ui::twipsRect(840, 3000, 2055, 2055));
    ui::setColors(Picture1, kBlack);
    connect(Picture1, &PictureBox::clicked, this, &A::Picture1_Click);
}

void A::nameForScreenReaders()
{
    // The buttons and menu items read their own captions.
    access::nameAfterCaption(Text11, Label8->text());
    access::nameAfterCaption(Text12, Label9->text());
    access::nameAfterCaption(Ujholdak, tr("Újholdak"),
                             tr("Az OK gomb a választott újholdat írja a mezőbe."));
    Command6->setAccessibleDescription(tr("A választott újhold mentése."));
    Command14->setAccessibleDescription(tr("A megfigyelés idejének mentése."));
    PictureHoldak->setAccessibleName(QStringLiteral("Tavik"));
    // Named by the phase once a calculation has shown one.
    access::nameAfterCaption(Picture1, tr("Holdfázis"),
                             tr("Kattintásra megnyílik a Hold térképe."));
    m_surface->setAccessibleName(tr("A számítás eredménye"));
}

void A::setTabOrderChain()
{
    // The picture boxes and captions have places in the order too, but take
    // no focus; the chain runs through the controls that do.
    const QList<QWidget*> chain{Text11, Command3, Ujholdak, Command6,
                                Command1, Text12, Command14, Command2};
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void A::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect r(QPoint(), size());
    r.moveCenter(screen->availableGeometry().center());
    move(r.topLeft());
}

QString A::readPath(const QString& fileName) const
{
    return m_env.data.readPath(fileName);
}

QString A::writePath(const QString& fileName) const
{
    return m_env.data.writePath(fileName);
}

void A::LoadNewMoonList()
{
    // A missing or unreadable file gives an empty list, without a message;
    // one too large to be a list is named, or the user could never tell why.
    const FileRead<QStringList> lines = readLines(readPath(QStringLiteral("ujholdak.txt")), kMaxListBytes);
    if (lines.status.reason == FileReason::TooLarge)
        reportFault(lines.status);
    m_newMoons->setStringList(lines.ok() ? lines.value : QStringList());
    Ujholdak->setCurrentIndex(-1);
}

}  // namespace tavik
