// Decoding for display.
#include "ui/DisplayText.h"

#include <QByteArrayView>
#include <QStringDecoder>

QString DisplayText(const std::string& text) {
    QByteArrayView bytes(text.data(), static_cast<qsizetype>(text.size()));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = decoder.decode(bytes);
    return decoder.hasError() ? QString::fromLatin1(bytes) : decoded;
}
