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
    std::string result(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    // The encoder marks what the code page lacks with the SUB control; a
    // typed text holds no controls, so every SUB is such a mark.
    for (char& byte : result)
        if (byte == '\x1a')
            byte = '?';
    return result;
}

bool canEncodeCp1250(const QString& text)
{
    QStringEncoder encoder("windows-1250");
    const QByteArray bytes = encoder(text);
    return !encoder.hasError() && !bytes.contains('\x1a')
           && bytes.size() == text.size();
}

} // namespace trop
