// Names for screen readers, in the words the windows show: a box is named by
// the caption before it, a picture by what it shows.
#pragma once

#include <QString>

class QWidget;

namespace tavik::access {

// The caption's words without the colon and the blanks around them:
// "Utolsó Újhold :" gives "Utolsó Újhold", "Fok -  Vonás átszámítás:" gives
// "Fok - Vonás átszámítás".
QString captionWords(const QString& caption);

// Names the box after the caption before it; description, when given, says more.
void nameAfterCaption(QWidget* box, const QString& caption, const QString& description = {});

}  // namespace tavik::access
