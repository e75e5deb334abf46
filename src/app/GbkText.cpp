#include "GbkText.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString FromGbk(const std::string& bytes) {
    QStringDecoder decoder("GBK");
    if (!decoder.isValid()) return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    return decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

std::string ToGbk(const QString& text) {
    QStringEncoder encoder("GBK", QStringConverter::Flag::Default);
    if (!encoder.isValid()) return text.toLatin1().toStdString();
    const QByteArray bytes = encoder.encode(text);
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}
