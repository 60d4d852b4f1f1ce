// What the main window's tests share: a scratch data folder, a window built on
// it with Hungarian regional settings and a clock the test sets, and the
// messages the window raises, caught instead of shown.
#pragma once

#include "mainwindow.h"
#include "messages.h"
#include "resultsurface.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace tavik::testing {

struct Message {
    MessageIcon icon;
    QString text;
    friend bool operator==(const Message&, const Message&) = default;
};

class MessageCatcher {
public:
    MessageCatcher()
    {
        setMessageObserver([this](MessageIcon icon, const QString& text) {
            messages.append(Message{icon, text});
        });
    }
    ~MessageCatcher() { setMessageObserver({}); }
    MessageCatcher(const MessageCatcher&) = delete;
    MessageCatcher& operator=(const MessageCatcher&) = delete;

    QList<Message> messages;
};

class DataFolder {
public:
    DataFolder() { QDir(m_root.path()).mkdir(QStringLiteral("Pic")); }

    QString path() const { return m_root.path() + QStringLiteral("/Pic"); }
    DataFolders folders() const { return DataFolders(path()); }
    QString file(const QString& name) const { return path() + QLatin1Char('/') + name; }

    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile f(file(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bytes), bytes.size());
    }
    QByteArray read(const QString& name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool exists(const QString& name) const { return QFile::exists(file(name)); }

    // The data folder replaced by a plain file: nothing can be created in it,
    // even by root.
    void makeUnusable() const
    {
        QVERIFY(QDir(path()).removeRecursively());
        QFile f(path());
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

private:
    QTemporaryDir m_root;
};

// A settable clock; each reading is counted.
struct TestClock {
    QDateTime now = QDateTime(QDate(2024, 1, 14), QTime(7, 37, 0));
    int readings = 0;
    qint64 stepSeconds = 0;   // how far the clock moves at each reading
};

inline std::unique_ptr<A> makeWindow(const DataFolder& data, TestClock* clock = nullptr)
{
    MainWindowEnvironment env{data.folders(), RegionalSettings::hungarian(), {}};
    if (clock) {
        env.clock = [clock] {
            const QDateTime t = clock->now;
            ++clock->readings;
            clock->now = clock->now.addSecs(clock->stepSeconds);
            return t;
        };
    }
    return std::make_unique<A>(std::move(env));
}

template <class W>
W* child(const A& a, const char* name)
{
    return a.findChild<W*>(QLatin1String(name));
}

inline QLineEdit* box(const A& a, const char* name) { return child<QLineEdit>(a, name); }
inline QComboBox* newMoonList(const A& a) { return child<QComboBox>(a, "Ujholdak"); }

// Types the text key by key, also characters beyond Latin-1.
inline void typeInto(QWidget* w, const QString& text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

inline void press(const A& a, const char* name)
{
    QPushButton* b = child<QPushButton>(a, name);
    QVERIFY2(b, name);
    QTest::mouseClick(b, Qt::LeftButton);
}

// A window on the data folder with the new moon typed into Text11 and one of
// the calculator's buttons pressed.
inline std::unique_ptr<A> windowAfter(const DataFolder& data, const QString& newMoon,
                                      const char* button, TestClock* clock = nullptr)
{
    auto a = makeWindow(data, clock);
    typeInto(box(*a, "Text11"), newMoon);
    press(*a, button);
    return a;
}

}  // namespace tavik::testing
