#include "mapviewer.h"

#include "datafiles.h"
#include "messages.h"
#include "palette.h"
#include "picturefile.h"
#include "ui.h"

#include <QPainter>
#include <utility>

namespace tavik {

namespace {
constexpr QColor kBlack = ui::kBlack;
}  // namespace

PictureArea::PictureArea(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureArea::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

void PictureArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (!m_picture.isNull())
        painter.drawImage(QPoint(0, 0), m_picture);
}

MapViewerWindow::MapViewerWindow(DataFolders data, MessageSink messages, QWidget* parent)
    : QWidget(parent)
    , m_data(std::move(data))
    , m_messages(std::move(messages))
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Hold térképek"));
    setFixedSize(ui::twipsSize(17505, 10935));
    ui::setColors(this, kBlack);
    createPictureArea();
}

void MapViewerWindow::createPictureArea()
{
    // Taller than the window: only the top of a tall picture shows.
    Picture3 = new PictureArea(this);
    Picture3->setObjectName(QStringLiteral("Picture3"));
    Picture3->setAccessibleName(tr("Holdkép"));
    Picture3->setGeometry(ui::twipsRect(240, 240, 17055, 15255));
    ui::setColors(Picture3, kBlack);
}

void MapViewerWindow::showPicture(const QString& fileName)
{
    show();
    // A damaged picture is not shown in part.
    const PictureRead read = readPicture(m_data.readPath(fileName));
    const QImage& picture = read.image;
    FileStatus status = read.status;
    status.fileName = fileName;   // the name asked for, whatever its letter case on disk
    Picture3->setPicture(picture);
    Picture3->setAccessibleDescription(picture.isNull() ? QString() : fileName);
    if (!status.ok())
        m_messages.show(this, MessageIcon::Error, describeFileFault(status));
}

}  // namespace tavik
