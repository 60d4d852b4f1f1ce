#pragma once

#include <QWidget>

namespace tavik {

// The notes and the observation log; one window class driven by a table.
enum class NoteKind { Notes, ObservationLog };

class NoteWindow : public QWidget {
    Q_OBJECT
public:
    explicit NoteWindow(NoteKind kind, const QString& dataDir, QWidget* parent = nullptr);
};

}  // namespace tavik
