// Single-instance companion windows: created on first opening, brought to the
// front on later ones, deleted when closed so the next opening makes them anew.
// They are top-level windows without an owner. Every one of them is opened
// through openCompanion(), which gives it what they all share: Esc closes it,
// it opens beside the main window and wholly on the screen, and its content
// scrolls where the window would not fit.
#pragma once

#include <QPointer>
#include <QWidget>

namespace tavik {

// What openCompanion() does to a window it has just built: Esc closes it
// (through close(), so a window that asks before closing still asks); a
// window larger than the free area of the screen gets its content in a
// scrolled area that fits; and it is placed beside `beside`, the window it
// is opened from, or centred on the primary screen when there is none.
void prepareCompanion(QWidget* window, const QWidget* beside);

// Marks a control that scrolls its own content, such as a note's text box,
// as one that may be made smaller where its window would not fit the screen:
// the window then shrinks with it instead of scrolling, as long as every
// other control still fits.
void shrinksToFit(QWidget* control);

// make() builds the window (its own start-up, such as reading its file, runs in
// its constructor); it is called only when no window is open.
template <class W, class Make>
W* openCompanion(QPointer<W>& slot, const QWidget* beside, Make&& make)
{
    if (!slot) {
        W* w = make();
        w->setAttribute(Qt::WA_DeleteOnClose);
        prepareCompanion(w, beside);
        slot = w;
    }
    W* w = slot.data();
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

}  // namespace tavik
