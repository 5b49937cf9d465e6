#include "text_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace trop {

QString fromCp1250(std::string_view bytes)
{
    QStringDecoder decoder("windows-1250");
    return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string toCp1250(const QString& text)
{
    QStringEncoder encoder("windows-1250");
    const QByteArray bytes = encoder(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace trop
