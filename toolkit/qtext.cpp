#include "qtext.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace tk {

namespace {

// Whether a GBK text ends in a lead byte whose trail byte is missing.
bool endsInLoneLeadByte(std::string_view gbk) {
    std::size_t i = 0;
    while (i < gbk.size()) {
        i += static_cast<unsigned char>(gbk[i]) >= 0x80 ? 2 : 1;
    }
    return i > gbk.size();
}

} // namespace

QString toQString(std::string_view gbk) {
    // Stateless: a text never borrows bytes left over from the previous one.
    thread_local QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
    const bool cut = endsInLoneLeadByte(gbk);
    if (cut) {
        gbk.remove_suffix(1);
    }
    QString text = decoder.decode(QByteArrayView(gbk.data(), static_cast<qsizetype>(gbk.size())));
    if (cut) {
        text += QChar::ReplacementCharacter;
    }
    return text;
}

Text fromQString(const QString& text) {
    // Characters GBK cannot hold come out as '?'.
    thread_local QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    // The encoder drops a high surrogate at the very end, waiting for its
    // pair; it is a character GBK cannot hold like any other.
    const bool cut = !text.isEmpty() && text.back().isHighSurrogate();
    QByteArray bytes = encoder.encode(cut ? QStringView(text).chopped(1) : QStringView(text));
    if (cut) {
        bytes += '?';
    }
    return Text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace tk
