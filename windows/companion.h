// Single-instance companion windows: created on first opening, brought to the
// front on later ones, deleted when closed so the next opening makes them anew.
// They are top-level windows without an owner.
#pragma once

#include <QPointer>
#include <QWidget>

namespace tavik {

// make() builds the window (its own start-up, such as reading its file, runs in
// its constructor); it is called only when no window is open.
template <class W, class Make>
W* openCompanion(QPointer<W>& slot, Make&& make)
{
    if (!slot) {
        W* w = make();
        w->setAttribute(Qt::WA_DeleteOnClose);
        slot = w;
    }
    W* w = slot.data();
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

}  // namespace tavik
