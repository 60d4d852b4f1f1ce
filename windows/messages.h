// Modal message boxes: one OK button, an error or warning icon and the
// application title as caption. A window gets its message sink from whoever
// builds it; tests give one that collects the messages instead of showing them.
#pragma once

#include "filefaults.h"

#include <QString>
#include <functional>

class QWidget;

namespace tavik {

enum class MessageIcon { Error, Warning };

class MessageSink {
public:
    using Handler = std::function<void(MessageIcon, const QString&)>;

    // Real message boxes.
    MessageSink() = default;
    // Every message to the handler instead; an empty one means message boxes.
    explicit MessageSink(Handler handler);

    void show(QWidget* parent, MessageIcon icon, const QString& text) const;

private:
    Handler m_handler;
};

}  // namespace tavik
