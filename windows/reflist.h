#pragma once

#include <QWidget>

namespace tavik {

// The four reference lists; one window class driven by a table.
enum class ReferenceList { EarlyCrescents, SolarEclipses, VenusCrescents, LunarEclipses };

class ReferenceListWindow : public QWidget {
    Q_OBJECT
public:
    explicit ReferenceListWindow(ReferenceList list, const QString& dataDir, QWidget* parent = nullptr);
};

}  // namespace tavik
