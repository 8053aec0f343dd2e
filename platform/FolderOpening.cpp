#include "platform/FolderOpening.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringConverter>
#include <QStringList>

namespace fw::platform {

namespace {

FolderOpeningSeam::Handler& installedHandler()
{
    static FolderOpeningSeam::Handler handler;
    return handler;
}

bool isValidUtf8(const std::string& bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString decoded = decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return !decoder.hasError();
}

} // namespace

FolderOpeningSeam::Handler FolderOpeningSeam::install(Handler handler)
{
    return std::exchange(installedHandler(), std::move(handler));
}

std::string openerArgument(const std::string& path)
{
    if (isValidUtf8(path))
        return path;
    const QByteArray escaped = QByteArray(path.data(), static_cast<qsizetype>(path.size()))
                                   .toPercentEncoding(QByteArrayLiteral("/"));
    return "file://" + escaped.toStdString();
}

bool openWithDesktop(const std::string& path)
{
    if (const FolderOpeningSeam::Handler& handler = installedHandler()) {
        FolderOpeningSeam::Handler running = handler; // the handler may install another
        return running(path);
    }
    // An argument list and no shell: the path reaches the opener as one argument, whatever it holds.
    return QProcess::startDetached(
        QStringLiteral("xdg-open"), { QString::fromStdString(openerArgument(path)) });
}

} // namespace fw::platform
