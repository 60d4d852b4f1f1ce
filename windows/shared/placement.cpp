#include "placement.h"

#include <algorithm>

namespace tavik {

QRect placeBeside(const QRect& mainFrame, const QSize& frameSize, const QRect& available)
{
    const QSize size = frameSize.boundedTo(available.size());
    const int lowestTop = available.bottom() + 1 - size.height();
    const int top = std::clamp(mainFrame.top(), available.top(), lowestTop);

    const int rightOfMain = mainFrame.right() + 1;
    const int leftOfMain = mainFrame.left() - size.width();
    const int rightmost = available.right() + 1 - size.width();
    int left = 0;
    if (rightOfMain >= available.left() && rightOfMain <= rightmost)
        left = rightOfMain;
    else if (leftOfMain >= available.left() && leftOfMain <= rightmost)
        left = leftOfMain;
    else if (available.right() - mainFrame.right() >= mainFrame.left() - available.left())
        left = rightmost;
    else
        left = available.left();
    return QRect(QPoint(left, top), size);
}

QSize scrolledSize(const QSize& content, const QSize& room, int scrollBar)
{
    bool across = content.width() > room.width();
    bool down = content.height() > room.height();
    // One bar takes room from the other direction and may call for the other bar too.
    if (across && !down)
        down = content.height() + scrollBar > room.height();
    if (down && !across)
        across = content.width() + scrollBar > room.width();
    if (!across && !down)
        return content;
    const QSize needed = content + QSize(down ? scrollBar : 0, across ? scrollBar : 0);
    return needed.boundedTo(room);
}

}  // namespace tavik
