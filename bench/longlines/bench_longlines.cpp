// A note, a reference list and the new-moon list holding one line of many
// megabytes without a line end: the time from creating the window to its
// first paint, and the processor time it then takes while nobody touches it.
//
//   bench_longlines [--megabytes=10] [--seconds=10] [note|list|newmoons ...]
//
// Runs offscreen unless QT_QPA_PLATFORM says otherwise. The idle share is
// the process's user and system time over the idle seconds, in per cent of
// one core; the text box has the focus, so its cursor blinks meanwhile.
#include "mainwindow.h"
#include "notewindow.h"
#include "reflist.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <sys/resource.h>

using namespace tavik;

namespace {

double processSeconds()
{
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    return static_cast<double>(use.ru_utime.tv_sec + use.ru_stime.tv_sec)
           + static_cast<double>(use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e6;
}

void runEvents(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Shows the window and runs the event loop until it has been painted once.
void showAndPaint(QWidget* w)
{
    w->show();
    w->activateWindow();
    QApplication::setActiveWindow(w);
    QCoreApplication::processEvents();
    w->repaint();
    QCoreApplication::processEvents();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// One endless line between two ordinary ones: Windows-1250 letters every few
// bytes, as in a pasted text.
QByteArray endlessLine(int megabytes)
{
    const QByteArray piece("Holdsarl\xf3 \xe1rv\xedzt\xfbr\xf5 t\xfck\xf6rf\xfar\xf3g\xe9p ");
    QByteArray line;
    line.reserve(megabytes * 1024 * 1024 + piece.size());
    while (line.size() < megabytes * 1024 * 1024)
        line += piece;
    return line;
}

struct Result {
    double openSeconds = 0;
    double idlePercent = 0;
};

Result measure(const std::function<QWidget*()>& open, int seconds)
{
    Result r;
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QWidget> w(open());
    showAndPaint(w.get());
    r.openSeconds = clock.nsecsElapsed() / 1e9;
    runEvents(500);  // settle
    const double before = processSeconds();
    clock.restart();
    runEvents(seconds * 1000);
    r.idlePercent = 100.0 * (processSeconds() - before) / (clock.nsecsElapsed() / 1e9);
    return r;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int megabytes = 10;
    int seconds = 10;
    QStringList cases;
    for (const QString& arg : app.arguments().mid(1)) {
        if (arg.startsWith(QStringLiteral("--megabytes=")))
            megabytes = arg.mid(12).toInt();
        else if (arg.startsWith(QStringLiteral("--seconds=")))
            seconds = arg.mid(10).toInt();
        else
            cases.append(arg);
    }
    if (cases.isEmpty())
        cases = QStringList{"note", "list", "newmoons"};

    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("Pic"));
    QDir().mkpath(data);
    const QByteArray line = endlessLine(megabytes);
    const QByteArray bytes = "2024.01.11 12:57\r\n" + line + "\r\n2024.02.09 23:59\r\n";
    writeFile(data + QStringLiteral("/jegyzetek.txt"), bytes);
    writeFile(data + QStringLiteral("/holdsarlok.txt"), bytes);
    writeFile(data + QStringLiteral("/ujholdak.txt"), bytes);

    QTextStream out(stdout);
    out << "one line of " << line.size() << " bytes; idle measured over " << seconds << " s\n";
    for (const QString& name : cases) {
        Result r;
        if (name == QLatin1String("note")) {
            r = measure([&] {
                auto* w = new NoteWindow(NoteKind::Notes, DataFolders(data), MessageSink());
                // The cursor at the end of the long line, where drawing it costs most.
                QTextCursor c = w->textBox()->textCursor();
                c.movePosition(QTextCursor::NextBlock);
                c.movePosition(QTextCursor::EndOfBlock);
                w->textBox()->setTextCursor(c);
                return w;
            }, seconds);
        } else if (name == QLatin1String("list")) {
            r = measure([&] { return new ReferenceListWindow(ReferenceList::EarlyCrescents, DataFolders(data), MessageSink()); },
                        seconds);
        } else if (name == QLatin1String("newmoons")) {
            r = measure([&] {
                auto* a = new A(MainWindowEnvironment{DataFolders(data), RegionalSettings::hungarian(), {}, MessageSink()});
                auto* list = a->findChild<QComboBox*>(QStringLiteral("Ujholdak"));
                list->setCurrentIndex(1);
                showAndPaint(a);
                list->showPopup();
                return a;
            }, seconds);
        } else {
            out << "unknown case " << name << "\n";
            return 2;
        }
        out << qSetFieldWidth(10) << Qt::left << name << qSetFieldWidth(0)
            << " open " << QString::number(r.openSeconds, 'f', 2) << " s, idle "
            << QString::number(r.idlePercent, 'f', 1) << " % of a core\n";
        out.flush();
    }
    return 0;
}
