// What the main window's tests share besides the data folder and the message
// log: a window built on the folder with Hungarian regional settings, a clock
// the test sets and its messages caught, and the keys and clicks that drive it.
#pragma once

#include "datafolder.h"
#include "mainwindow.h"
#include "messagelog.h"
#include "resultsurface.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace tavik::testing {

// A settable clock; each reading is counted.
struct TestClock {
    QDateTime now = QDateTime(QDate(2024, 1, 14), QTime(7, 37, 0));
    int readings = 0;
    qint64 stepSeconds = 0;   // how far the clock moves at each reading
};

// A window whose messages fail the test, or go to the log.
inline std::unique_ptr<A> makeWindow(const DataFolder& data, TestClock* clock = nullptr,
                                     MessageSink messages = failOnMessages())
{
    MainWindowEnvironment env{data.folders(), RegionalSettings::hungarian(), {}, std::move(messages),
                              QDir::cleanPath(data.path() + QStringLiteral("/../config/tavik/tavik.conf"))};
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

inline std::unique_ptr<A> makeWindow(const DataFolder& data, MessageLog& log, TestClock* clock = nullptr)
{
    return makeWindow(data, clock, log.sink());
}

template <class W>
W* child(const A& a, const char* name)
{
    return a.findChild<W*>(QLatin1String(name));
}

// The visible top-level window of that name, such as a companion "Form5".
inline QWidget* openWindow(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    }
    return nullptr;
}

// Closes every window but the main ones; the companions delete themselves.
inline void closeCompanions()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() != u"A" && w->isVisible())
            w->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
inline std::unique_ptr<A> windowAfter(const DataFolder& data, MessageLog& log, const QString& newMoon,
                                      const char* button, TestClock* clock = nullptr)
{
    auto a = makeWindow(data, log, clock);
    typeInto(box(*a, "Text11"), newMoon);
    press(*a, button);
    return a;
}

// The same where no message may come.
inline std::unique_ptr<A> windowAfter(const DataFolder& data, const QString& newMoon,
                                      const char* button, TestClock* clock = nullptr)
{
    auto a = makeWindow(data, clock);
    typeInto(box(*a, "Text11"), newMoon);
    press(*a, button);
    return a;
}

}  // namespace tavik::testing
