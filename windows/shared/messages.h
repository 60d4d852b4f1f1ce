// Modal message boxes: one OK button, an error or warning icon and the
// application title as caption; and questions answered Igen, Nem or Mégse. A
// window gets its message sink from whoever builds it; tests give one that
// collects the messages and answers the questions instead of showing them.
#pragma once

#include "filefaults.h"

#include <QString>
#include <functional>

class QWidget;

namespace tavik {

enum class MessageIcon { Error, Warning, Question };

enum class Answer { Yes, No, Cancel };

class MessageSink {
public:
    using Handler = std::function<void(MessageIcon, const QString&)>;
    using Asker = std::function<Answer(const QString&)>;

    // Real message boxes.
    MessageSink() = default;
    // Every message to the handler instead; an empty one means message boxes.
    // Questions go to the asker; without one, to the handler as a message
    // with the Question icon, and the answer is Cancel, which loses nothing.
    explicit MessageSink(Handler handler, Asker asker = {});

    void show(QWidget* parent, MessageIcon icon, const QString& text) const;
    // A question with the buttons Igen (the default), Nem and Mégse; Esc is Mégse.
    Answer ask(QWidget* parent, const QString& text) const;

private:
    Handler m_handler;
    Asker m_asker;
};

}  // namespace tavik
