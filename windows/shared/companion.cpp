#include "companion.h"

#include "placement.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

namespace tavik {

namespace {

void closeOnEscape(QWidget* window)
{
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setObjectName(QStringLiteral("escapeCloses"));
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}

// The frame the window system draws around the main window: a companion gets
// the same one, and its frame is what must lie on the screen.
QMargins frameOf(const QWidget* window)
{
    if (!window || !window->isVisible())
        return {};
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

// Moves the window's controls, as they stand, onto a page of their size in a
// scrolled area; a menu bar stays at the top, outside the scrolling.
void scrollControls(QWidget* window, QMenuBar* bar, const QSize& page, const QSize& shown)
{
    const int barHeight = bar ? bar->height() : 0;
    QWidget* focus = window->focusWidget();
    const QList<QWidget*> controls = window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);

    auto* area = new QScrollArea(window);
    area->setObjectName(QStringLiteral("scrolledClient"));
    area->setFrameShape(QFrame::NoFrame);
    area->setAccessibleName(window->windowTitle());
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("client"));
    content->setFixedSize(page);
    content->setAutoFillBackground(true);   // in the window's own colour
    area->setWidget(content);
    for (QWidget* control : controls) {
        if (control == bar || control->isWindow())
            continue;
        const bool hidden = control->isHidden();
        const QPoint at = control->pos() - QPoint(0, barHeight);
        control->setParent(content);
        control->move(at);
        control->setHidden(hidden);
    }

    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(bar);
    layout->addWidget(area);
    window->setFixedSize(shown + QSize(0, barHeight));
    if (focus)
        focus->setFocus();
}

// A window laid out by a layout: the layout and its controls move onto a
// scrolled page, which grows with the window and scrolls below the layout's
// least size; the window stays resizable.
void scrollLayout(QWidget* window, const QSize& shown)
{
    QWidget* focus = window->focusWidget();
    auto* area = new QScrollArea(window);
    area->setObjectName(QStringLiteral("scrolledClient"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setAccessibleName(window->windowTitle());
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("client"));
    content->setLayout(window->layout());   // takes the controls along
    area->setWidget(content);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    // The old layout held the window at its own least size.
    window->setMinimumSize(0, 0);
    window->resize(shown);
    if (focus)
        focus->setFocus();
}

const char* const kShrinks = "tavikShrinksToFit";

// Takes `excess` off the window and off its control that may shrink, when
// there is one and nothing else would be cut off; false when not.
bool shrinkInto(QWidget* window, QSize excess)
{
    excess = excess.expandedTo(QSize(0, 0));
    QWidget* control = nullptr;
    for (QWidget* c : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (c->property(kShrinks).toBool())
            control = c;
    }
    const QSize smaller = control ? control->size() - excess : QSize();
    if (!control || smaller.width() < control->width() / 3 || smaller.height() < control->height() / 3)
        return false;
    const QRect kept(QPoint(), window->size() - excess);
    for (QWidget* c : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (c != control && !c->isWindow() && !qobject_cast<QMenuBar*>(c) && !kept.contains(c->geometry()))
            return false;
    }
    control->resize(smaller);
    if (auto* bar = window->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly))
        bar->resize(kept.width(), bar->height());
    window->setFixedSize(kept.size());
    return true;
}

void fitInto(QWidget* window, const QSize& room)
{
    auto* bar = window->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
    const QSize barSize(0, bar ? bar->height() : 0);
    // A layout will not let its window be smaller than the layout's least size.
    const QSize wanted = window->layout() ? window->size().expandedTo(window->minimumSizeHint()) : window->size();
    const QSize page = wanted - barSize;
    const int scrollBar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window);
    const QSize shown = scrolledSize(page, room - barSize, scrollBar);
    if (shown != page && window->layout())
        scrollLayout(window, shown);
    else if (shown != page && !shrinkInto(window, page - (room - barSize)))
        scrollControls(window, bar, page, shown);
}

}  // namespace

void shrinksToFit(QWidget* control) { control->setProperty(kShrinks, true); }

void prepareCompanion(QWidget* window, const QWidget* beside)
{
    closeOnEscape(window);
    const QScreen* screen = beside ? beside->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QMargins frame = frameOf(beside);
    const QSize room = available.size().shrunkBy(frame);
    // A laid-out window not sized by itself would take its size hint when
    // first shown, after it was placed by a smaller one: it takes it now,
    // as far as the screen has room.
    if (window->layout() && !window->testAttribute(Qt::WA_Resized)) {
        window->layout()->activate();
        window->resize(window->sizeHint().boundedTo(room).expandedTo(window->minimumSizeHint()));
    }
    fitInto(window, room);

    const QSize frameSize = window->size().grownBy(frame);
    QRect placed(QPoint(), frameSize.boundedTo(available.size()));
    if (beside)
        placed = placeBeside(beside->frameGeometry(), frameSize, available);
    else
        placed.moveCenter(available.center());
    // Before the window is first shown, its position is that of its frame.
    window->move(placed.topLeft());
}

}  // namespace tavik
