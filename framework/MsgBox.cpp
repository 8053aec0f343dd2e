#include "framework/MsgBox.h"

#include "framework/Application.h"
#include "framework/qt/Text.h"

#include <QMessageBox>

namespace fw {

void MsgBox(const String& text)
{
    // A box after the user has quit would hold the program open for nobody: a send that the quit
    // cut short, say, must not keep it from ending.
    if (Runtime::applicationQuit())
        return;
    if (auto handler = MsgBoxSeam::replacement()) {
        (*handler)(text);
        return;
    }
    QMessageBox box;
    box.setWindowTitle(QStringLiteral("IDE Script"));
    // Text of any encoding is read as UTF-8; bytes that are not show as replacement characters, so
    // that every message reaches the user. Plain text: a message is never markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(qt::toQString(text));
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok); // Return closes the box
    box.exec();
}

} // namespace fw
