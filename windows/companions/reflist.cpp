#include "reflist.h"

#include "datafiles.h"
#include "filefaults.h"
#include "messages.h"
#include "palette.h"
#include "ui.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <array>

namespace tavik {

struct FontSpec {
    const char* family;
    double points;
    bool bold;
};

struct ReferenceListLayout {
    const char* window;
    const char* caption;
    const char* list;
    const char* file;
    const char* button;
    QSize client;      // twips
    QRgb background;
    QRect listRect;    // twips
    FontSpec listFont;
    QRect buttonRect;  // twips
    FontSpec buttonFont;
};

namespace {

// In the order of the ReferenceList enumeration.
const std::array<ReferenceListLayout, 4> kLayouts{{
    {"Form5", QT_TRANSLATE_NOOP("tavik::ReferenceListWindow", "Korai Holdsarlók"), "List1", "holdsarlok.txt", "Command51", {12855, 8235}, 0xC0FFFF,
     {360, 1080, 12375, 6330}, {"Courier", 15, false}, {6000, 7680, 855, 375}, {"Arial", 12, true}},
    {"Form7", QT_TRANSLATE_NOOP("tavik::ReferenceListWindow", "Napfogyatkozások"), "List2", "napfogyik.txt", "Command71", {16440, 7860}, 0xFFE0C0,
     {240, 240, 16095, 6645}, {"Courier New", 14.25, false}, {7680, 7200, 975, 495}, {"Arial", 9.75, true}},
    {"Form9", QT_TRANSLATE_NOOP("tavik::ReferenceListWindow", "Vénusz sarlók láthatósága"), "List9", "venusz.txt", "Command1", {14565, 5565}, 0xFFC0FF,
     {120, 240, 14295, 4125}, {"Courier New", 14.25, false}, {6840, 4920, 855, 495}, {"MS Sans Serif", 12, false}},
    {"Form12", QT_TRANSLATE_NOOP("tavik::ReferenceListWindow", "Holdfogyatkozások"), "List12", "holdfogyik.txt", "Command12", {16890, 6375}, 0xC0FFFF,
     {120, 240, 16575, 5130}, {"Courier New", 12.75, false}, {8040, 5760, 855, 375}, {"Arial Narrow", 12, false}},
}};

constexpr QColor kOkFace = ui::kLightGreen;
constexpr QColor kNavy = ui::kNavy;

QFont fontOf(const FontSpec& f) { return ui::font(QString::fromUtf8(f.family), f.points, f.bold); }

using ui::systemPalette;

// A row shows at most this many characters: far more than the widest list
// window holds, and the rows never scroll sideways. A line of megabytes would
// otherwise be measured and shaped whole at every paint. The file and the
// model keep the whole line.
constexpr qsizetype kLongestShownRow = 1000;

// A line feed inside a line is an ordinary character of the row; it is drawn
// as a space so that the row stays one line high and its columns stay aligned.
class SingleLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale&) const override
    {
        QString text = ui::shownPart(value.toString(), kLongestShownRow);
        if (text.contains(u'\n'))
            text.replace(u'\n', u' ');
        return text;
    }
};

}  // namespace

RowListView::RowListView(QWidget* parent)
    : QListView(parent)
{
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setItemDelegate(new SingleLineDelegate(this));
}

void RowListView::updateGeometries()
{
    QListView::updateGeometries();
    // Neither the wheel nor the keys may move a long row sideways.
    horizontalScrollBar()->setRange(0, 0);
}

void RowListView::focusInEvent(QFocusEvent* event)
{
    // Taking the focus makes the first row current, and the style frames the
    // current row: the list would open looking as if that row were chosen.
    // No row is current until the user moves in the list.
    const bool hadCurrent = currentIndex().isValid();
    QListView::focusInEvent(event);
    if (!hadCurrent && selectionModel())
        selectionModel()->clearCurrentIndex();
}

ReferenceListWindow::ReferenceListWindow(ReferenceList list, const DataFolders& data,
                                         const MessageSink& messages, QWidget* parent)
    : QWidget(parent)
    , m_layout(kLayouts.at(static_cast<std::size_t>(list)))
{
    setObjectName(QString::fromUtf8(m_layout.window));
    setWindowTitle(tr(m_layout.caption));
    setFixedSize(ui::twipsSize(m_layout.client));
    ui::setColors(this, QColor::fromRgb(m_layout.background));
    if (list == ReferenceList::EarlyCrescents)
        createColumnLabels();
    createList();
    createOkButton();
    loadRows(data, messages);
}

void ReferenceListWindow::createList()
{
    m_model = new QStringListModel(this);
    m_list = new RowListView(this);
    m_list->setObjectName(QString::fromUtf8(m_layout.list));
    m_list->setAccessibleName(tr(m_layout.caption));
    m_list->setGeometry(ui::twipsRect(m_layout.listRect));
    m_list->setFont(fontOf(m_layout.listFont));
    // Only the rows take the window's colour; the scroll bar keeps the system's.
    QPalette colors = systemPalette(m_list);
    colors.setColor(QPalette::Base, QColor::fromRgb(m_layout.background));
    m_list->setPalette(colors);
    m_list->verticalScrollBar()->setPalette(systemPalette(m_list));
    m_list->setModel(m_model);
}

void ReferenceListWindow::createOkButton()
{
    m_ok = ui::addButton(this, m_layout.button, tr("OK"), ui::twipsRect(m_layout.buttonRect),
                         fontOf(m_layout.buttonFont), kOkFace);
    connect(m_ok, &QPushButton::clicked, this, &ReferenceListWindow::OK_Click);
}

void ReferenceListWindow::createColumnLabels()
{
    const QFont heading = ui::font(QStringLiteral("Courier"), 12, true);
    QLabel* title = createLabel("Label1", tr("Korai Holdsarlók:"),
                                ui::twipsRect(360, 120, 6615, 375),
                                ui::font(QStringLiteral("Times New Roman"), 14.25));
    QPalette navy = title->palette();
    navy.setColor(QPalette::WindowText, kNavy);
    title->setPalette(navy);
    createLabel("Label2", tr("Időpont"), ui::twipsRect(360, 720, 2535, 255), heading);
    createLabel("Label3", tr("Mikor?"), ui::twipsRect(3480, 720, 1095, 255), heading);
    createLabel("Label4", tr("Holdsarló kora (kb.)"), ui::twipsRect(4680, 720, 3975, 255),
                heading);
}

QLabel* ReferenceListWindow::createLabel(const char* name, const QString& text, const QRect& rect,
                                         const QFont& font)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(rect);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void ReferenceListWindow::loadRows(const DataFolders& data, const MessageSink& messages)
{
    const FileRead<QStringList> read = readLines(data.readPath(fileName()));
    if (!read.ok()) {
        // Not yet shown: the message stands on its own.
        messages.show(nullptr, MessageIcon::Error, describeFileFault(read.status));
        return;
    }
    m_model->setStringList(read.value);
}

QStringList ReferenceListWindow::rows() const { return m_model->stringList(); }

QString ReferenceListWindow::fileName() const { return QString::fromUtf8(m_layout.file); }

void ReferenceListWindow::OK_Click() { close(); }

}  // namespace tavik
