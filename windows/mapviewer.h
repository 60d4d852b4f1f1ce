#pragma once

#include <QWidget>

namespace tavik {

class MapViewerWindow : public QWidget {
    Q_OBJECT
public:
    explicit MapViewerWindow(const QString& dataDir, QWidget* parent = nullptr);
    // Loads a picture file of the data folder into Picture3, replacing the one shown.
    void showPicture(const QString& fileName);
};

}  // namespace tavik
