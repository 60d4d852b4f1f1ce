// The Moon map viewer: one window that shows a Moon picture of the data folder
// (a lunar day or the whole-Moon map) at its own size, one picture at a time.
#pragma once

#include "datafolders.h"
#include "messages.h"

#include <QImage>
#include <QString>
#include <QWidget>

namespace tavik {

// A picture area: the picture drawn unscaled at its top-left corner, the
// background colour around it and everything beyond its edges cut off.
class PictureArea : public QWidget {
    Q_OBJECT
public:
    explicit PictureArea(QWidget* parent = nullptr);
    void setPicture(const QImage& picture);
    const QImage& picture() const noexcept { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};

class MapViewerWindow : public QWidget {
    Q_OBJECT
public:
    MapViewerWindow(DataFolders data, MessageSink messages, QWidget* parent = nullptr);
    // Shows the window, then loads a picture file of the data folder into
    // Picture3, replacing the one shown. A missing or unreadable file leaves the
    // picture area empty and says so in a message.
    void showPicture(const QString& fileName);

    PictureArea* Picture3 = nullptr;

private:
    void createPictureArea();

    DataFolders m_data;
    MessageSink m_messages;
};

}  // namespace tavik
