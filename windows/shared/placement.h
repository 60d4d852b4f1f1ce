// Where a companion window goes on the screen and how much of it shows: beside
// the main window and wholly on the screen's free area. Plain geometry, so
// that every case can be tried without a screen of that size.
#pragma once

#include <QRect>
#include <QSize>

namespace tavik {

// The frame of a window of frameSize placed beside the main window's frame:
// to its right where the screen has room, else to its left, else overlapping
// it against the edge of the side with more room. It lies wholly within
// `available`, cut down to it when larger.
QRect placeBeside(const QRect& mainFrame, const QSize& frameSize, const QRect& available);

// The size of a window whose content has the fixed size `content`, shown in a
// room of size `room`: the content itself when it fits, else no larger than
// the room, with space for the scroll bars (scrollBar wide) it then needs.
QSize scrolledSize(const QSize& content, const QSize& room, int scrollBar);

}  // namespace tavik
