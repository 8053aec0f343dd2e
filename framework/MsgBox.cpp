#include "framework/MsgBox.h"

#include "framework/Application.h"

#include <QMessageBox>
#include <QString>

namespace fw {

namespace {

MsgBoxSeam::Handler& installedHandler()
{
    static MsgBoxSeam::Handler handler;
    return handler;
}

} // namespace

MsgBoxSeam::Handler MsgBoxSeam::install(Handler handler)
{
    return std::exchange(installedHandler(), std::move(handler));
}

void MsgBox(const String& text)
{
    // A box after the user has quit would hold the program open for nobody: a send that the quit
    // cut short, say, must not keep it from ending.
    if (Runtime::applicationQuit())
        return;
    if (const MsgBoxSeam::Handler& handler = installedHandler()) {
        MsgBoxSeam::Handler running = handler; // the handler may install another
        running(text);
        return;
    }
    QMessageBox box;
    box.setWindowTitle(QStringLiteral("IDE Script"));
    // Text of any encoding is read as UTF-8; bytes that are not show as replacement characters, so
    // that every message reaches the user. Plain text: a message is never markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromUtf8(text.bytes().data(), static_cast<qsizetype>(text.byteLength())));
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok); // Return closes the box
    box.exec();
}

} // namespace fw
