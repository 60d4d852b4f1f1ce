// Modal message boxes: one OK button, an error or warning icon and the
// application title as caption. Tests install an observer, which then gets
// every message instead of a blocking box.
#pragma once

#include "filefaults.h"

#include <QString>
#include <functional>

class QWidget;

namespace tavik {

enum class MessageIcon { Error, Warning };

void showMessage(QWidget* parent, MessageIcon icon, const QString& text);

using MessageObserver = std::function<void(MessageIcon, const QString&)>;
// Pass an empty function to go back to real message boxes.
void setMessageObserver(MessageObserver observer);

}  // namespace tavik
