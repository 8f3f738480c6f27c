#include "gui/DisplayText.h"

#include <QGuiApplication>
#include <QStringDecoder>

namespace velmora {

QString DisplayText(std::string_view bytes) {
    bool ascii = true;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    const auto size = static_cast<qsizetype>(bytes.size());
    if (ascii) return QString::fromLatin1(bytes.data(), size);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(QByteArrayView(bytes.data(), size));
    if (utf8.hasError()) return QString::fromLatin1(bytes.data(), size);
    return text;
}

QString ShownLeftToRight(const QString& text) {
    if (!QGuiApplication::isRightToLeft()) return text;
    const QChar mark(0x200E);
    return mark + text + mark;
}

std::string Utf8Cut(const QString& text, std::size_t maxBytes) {
    QByteArray utf8 = text.toUtf8();
    auto n = static_cast<qsizetype>(maxBytes);
    if (utf8.size() <= n) return utf8.toStdString();
    // Step back over continuation bytes to the start of the cut character.
    while (n > 0 && (static_cast<unsigned char>(utf8[n]) & 0xC0) == 0x80) --n;
    return std::string(utf8.constData(), static_cast<std::size_t>(n));
}

}  // namespace velmora
