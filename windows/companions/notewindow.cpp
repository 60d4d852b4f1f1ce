#include "notewindow.h"

#include "companion.h"
#include "datafiles.h"
#include "filefaults.h"
#include "messages.h"
#include "palette.h"
#include "ui.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <array>
#include <utility>

namespace tavik {

struct NoteWindowLayout {
    const char* window;
    const char* caption;
    const char* textBox;
    const char* initialText;
    const char* saveCommand;
    const char* okCommand;
    const char* file;
    const char* missingMessage;
    QSize client;   // twips, below the menu bar
    QRgb background;
    QRect textRect; // twips
    double fontPoints;
};

namespace {

// In the order of the NoteKind enumeration.
const std::array<NoteWindowLayout, 2> kLayouts{{
    {"Form8", QT_TRANSLATE_NOOP("tavik::NoteWindow", "Jegyzetek"), "Text81", QT_TRANSLATE_NOOP("tavik::NoteWindow", "Jegyzetek:  "), "mentes81", "ok81", "jegyzetek.txt",
     QT_TRANSLATE_NOOP("tavik::NoteWindow", "Az 'jegyzetek.txt' fájl NEM található!"), {6555, 6690}, 0x000080, {240, 240, 6135, 6255}, 15},
    {"Form10", QT_TRANSLATE_NOOP("tavik::NoteWindow", "Megfigyelési napló"), "Text10",
     QT_TRANSLATE_NOOP("tavik::NoteWindow", "Megfigyelési napló:"), "naplo1", "naplo2",
     "naplo-tavik.txt", QT_TRANSLATE_NOOP("tavik::NoteWindow", "A 'naplo-tavik.txt' fájl NEM található!"), {15705, 7830}, 0x004000,
     {240, 600, 15375, 6615}, 14.25},
}};

constexpr QColor kWhite = ui::kWhite;
const QString kCrLf = QStringLiteral("\r\n");

// The file's line ends become the text box's line breaks: CR LF, and a lone CR
// or a lone LF as well, since the box cannot hold them as characters.
QString textForBox(QString fileText)
{
    fileText.replace(kCrLf, QStringLiteral("\n"));
    fileText.replace(u'\r', u'\n');
    return fileText;
}

using ui::isBlank;         // a text of tabs or line ends is kept
using ui::systemPalette;

// A line is laid out whole at every blink of the cursor, so a line of many
// megabytes would keep a core busy for as long as the window is open. Longer
// lines are shown in pieces of this length, one below the other; the pieces'
// blocks are marked as continuations, and saving joins them again without a
// line end, so the file keeps every byte. An Enter typed inside such a line
// ends it there, as anywhere else.
constexpr qsizetype kLongestShownLine = 1000;
constexpr int kContinuation = 1;   // QTextBlock::userState of a piece after the first

// The box's text with the long lines cut into pieces, and the numbers of the
// blocks that continue the line before them (in increasing order).
QString piecesOfLongLines(const QString& text, QList<int>* continuations)
{
    QString out;
    out.reserve(text.size() + text.size() / kLongestShownLine + 1);
    int block = 0;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        qsizetype from = start;
        while (end - from > kLongestShownLine) {
            qsizetype cut = from + kLongestShownLine;
            if (text.at(cut).isLowSurrogate())
                --cut;   // never between the two halves of a character
            out += QStringView(text).sliced(from, cut - from);
            out += u'\n';
            continuations->append(++block);
            from = cut;
        }
        out += QStringView(text).sliced(from, end - from);
        if (end < text.size()) {
            out += u'\n';
            ++block;
        }
        start = end + 1;
    }
    return out;
}

}  // namespace

NoteWindow::NoteWindow(NoteKind kind, DataFolders data, MessageSink messages, QWidget* parent)
    : QWidget(parent)
    , m_layout(kLayouts.at(static_cast<std::size_t>(kind)))
    , m_data(std::move(data))
    , m_messages(std::move(messages))
{
    setObjectName(QString::fromUtf8(m_layout.window));
    setWindowTitle(tr(m_layout.caption));
    ui::setColors(this, QColor::fromRgb(m_layout.background));
    createMenu();
    createTextBox();
    loadText();
    m_savedText = fileText();
}

void NoteWindow::createMenu()
{
    m_menu = new QMenuBar(this);
    m_menu->setObjectName(QStringLiteral("menuBar"));
    // The two commands belong in this window; a desktop's global menu bar
    // would take them away from it.
    m_menu->setNativeMenuBar(false);
    // The menu bar keeps the system's colours, not the window's.
    m_menu->setPalette(systemPalette(m_menu));
    m_menu->setAutoFillBackground(true);
    // Both commands sit on the bar itself and act at once.
    QAction* save = m_menu->addAction(tr("Mentés"));
    save->setObjectName(QString::fromUtf8(m_layout.saveCommand));
    QAction* ok = m_menu->addAction(tr("OK"));
    ok->setObjectName(QString::fromUtf8(m_layout.okCommand));
    connect(save, &QAction::triggered, this, &NoteWindow::Save_Click);
    connect(ok, &QAction::triggered, this, &NoteWindow::OK_Click);

    const QSize client = ui::twipsSize(m_layout.client);
    const int menuHeight = m_menu->sizeHint().height();
    m_menu->setGeometry(0, 0, client.width(), menuHeight);
    setFixedSize(client.width(), menuHeight + client.height());
}

// The bar holds the two commands, "Mentés" first.
QAction* NoteWindow::saveAction() const
{
    return m_menu->actions().value(0);
}

QAction* NoteWindow::okAction() const
{
    return m_menu->actions().value(1);
}

void NoteWindow::createTextBox()
{
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QString::fromUtf8(m_layout.textBox));
    m_text->setAccessibleName(tr(m_layout.caption));
    m_text->setGeometry(ui::twipsRect(m_layout.textRect).translated(0, m_menu->height()));
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Both scroll bars stand at all times, as in a classic multi-line text box
    // with scroll bars; they are merely idle while the text fits.
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setFont(ui::font(QStringLiteral("Times New Roman"), m_layout.fontPoints));
    // Only the writing area takes the window's colours; the scroll bars keep the system's.
    QPalette colors = systemPalette(m_text);
    colors.setColor(QPalette::Base, QColor::fromRgb(m_layout.background));
    colors.setColor(QPalette::Text, kWhite);
    m_text->setPalette(colors);
    m_text->horizontalScrollBar()->setPalette(systemPalette(m_text));
    m_text->verticalScrollBar()->setPalette(systemPalette(m_text));
    m_text->setPlainText(tr(m_layout.initialText));
    m_text->setFocus();
    shrinksToFit(m_text);
}

QString NoteWindow::fileName() const { return QString::fromUtf8(m_layout.file); }

void NoteWindow::loadText()
{
    const FileRead<QString> read = readWholeFile(m_data.readPath(fileName()), kMaxNoteBytes);
    if (read.status.error == FileError::Missing) {
        // Not yet shown: the message comes first, then the window with its
        // initial text; the first save creates the file.
        m_messages.show(nullptr, MessageIcon::Error, tr(m_layout.missingMessage));
        return;
    }
    if (!read.ok()) {
        m_readFault = describeFileFault(read.status);
        m_messages.show(nullptr, MessageIcon::Error, m_readFault);
        return;
    }
    setBoxText(textForBox(read.value));
}

void NoteWindow::setBoxText(const QString& text)
{
    QList<int> continuations;
    m_text->setPlainText(piecesOfLongLines(text, &continuations));
    if (continuations.isEmpty())
        return;
    QTextBlock block = m_text->document()->firstBlock();
    int number = 0;
    for (int next : std::as_const(continuations)) {
        while (number < next && block.isValid()) {
            block = block.next();
            ++number;
        }
        block.setUserState(kContinuation);
    }
}

QString NoteWindow::fileText() const
{
    // The raw text keeps no-break spaces, which the plain-text view turns
    // into ordinary ones. The blocks are the lines, but for the pieces of a
    // long line; the line separators that Shift+Enter types break lines too.
    QString text;
    for (QTextBlock block = m_text->document()->firstBlock(); block.isValid(); block = block.next()) {
        if (block != m_text->document()->firstBlock() && block.userState() != kContinuation)
            text += kCrLf;
        text += block.text();
    }
    text.replace(QChar::LineSeparator, kCrLf);
    return text;
}

bool NoteWindow::save()
{
    const QString text = fileText();
    if (isBlank(text)) {
        m_messages.show(this, MessageIcon::Warning, tr("Üreset NEM mentek!"));
        return false;
    }
    const QString file = m_data.writePath(fileName());
    if (!m_readFault.isEmpty() && dataFileExists(file)) {
        m_messages.show(this, MessageIcon::Error, m_readFault);
        return false;
    }
    const FileStatus status = replaceWholeFile(file, text + kCrLf);
    if (!status.ok()) {
        m_messages.show(this, MessageIcon::Error, describeFileFault(status));
        return false;
    }
    m_readFault.clear();
    m_savedText = text;
    return true;
}

bool NoteWindow::hasUnsavedText() const
{
    return fileText() != m_savedText;
}

void NoteWindow::closeEvent(QCloseEvent* event)
{
    bool closes = true;
    if (hasUnsavedText()) {
        switch (m_messages.ask(this, tr("Menti a változásokat?"))) {
        case Answer::Yes:
            closes = save();
            break;
        case Answer::No:
            break;
        case Answer::Cancel:
            closes = false;
            break;
        }
    }
    event->setAccepted(closes);
}

void NoteWindow::Save_Click() { save(); }

void NoteWindow::OK_Click()
{
    if (save())
        close();
}

}  // namespace tavik
