#include "journal/journalentry.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>

namespace {

const QByteArray Magic = QByteArrayLiteral("ZURNEJNL");
constexpr quint32 Version = 1;
constexpr QDataStream::Version StreamVersion = QDataStream::Qt_6_4;
// Magic, version, length, SHA-256.
constexpr qsizetype HeaderSize = 8 + 4 + 8 + 32;

QByteArray checksum(const QByteArray &payload)
{
    return QCryptographicHash::hash(payload, QCryptographicHash::Sha256);
}

void write(QDataStream &out, const TextEncoding &encoding)
{
    out << encoding.codePage << encoding.byteOrderMark << encoding.keepsRawBytes
        << quint32(encoding.cp932Forms.size());
    for (auto form = encoding.cp932Forms.cbegin(); form != encoding.cp932Forms.cend(); ++form)
        out << quint16(form.key()) << form.value();
    out << encoding.iso2022JpEscapes.jisRoman << encoding.iso2022JpEscapes.oldKanji;
}

void read(QDataStream &in, TextEncoding &encoding)
{
    quint32 forms = 0;
    in >> encoding.codePage >> encoding.byteOrderMark >> encoding.keepsRawBytes >> forms;
    for (quint32 i = 0; i < forms && in.status() == QDataStream::Ok; ++i) {
        quint16 character = 0;
        quint16 bytes = 0;
        in >> character >> bytes;
        encoding.cp932Forms.insert(char16_t(character), bytes);
    }
    in >> encoding.iso2022JpEscapes.jisRoman >> encoding.iso2022JpEscapes.oldKanji;
}

QByteArray payloadOf(const JournalEntry &entry)
{
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    const platform::FileStamp &stamp = entry.stamp;
    out << entry.path << stamp.path << qint8(stamp.kind) << stamp.linkTarget << stamp.size
        << stamp.modifiedNs << stamp.changedNs << stamp.inode << stamp.device;
    write(out, entry.encoding);
    out << qint8(entry.documentBreak) << qint8(entry.ending) << qint64(entry.caret) << entry.text;
    return payload;
}

std::optional<JournalEntry> entryOf(const QByteArray &payload)
{
    QDataStream in(payload);
    in.setVersion(StreamVersion);
    JournalEntry entry;
    platform::FileStamp &stamp = entry.stamp;
    qint8 kind = 0;
    in >> entry.path >> stamp.path >> kind >> stamp.linkTarget >> stamp.size >> stamp.modifiedNs >>
        stamp.changedNs >> stamp.inode >> stamp.device;
    stamp.kind = platform::FileKind(kind);
    read(in, entry.encoding);
    qint8 documentBreak = 0;
    qint8 ending = 0;
    qint64 caret = 0;
    in >> documentBreak >> ending >> caret >> entry.text;
    if (in.status() != QDataStream::Ok || !in.atEnd() || documentBreak < 0 ||
        documentBreak > qint8(LineBreak::Cr) || ending < 0 ||
        ending > qint8(TextModel::Ending::LineBreakAdded) || caret < 0 || kind < 0 ||
        kind > qint8(platform::FileKind::Other))
        return std::nullopt;
    entry.documentBreak = LineBreak(documentBreak);
    entry.ending = TextModel::Ending(ending);
    entry.caret = qsizetype(caret);
    return entry;
}

} // namespace

QByteArray encodeJournalEntry(const JournalEntry &entry)
{
    const QByteArray payload = payloadOf(entry);
    QByteArray bytes;
    bytes.reserve(HeaderSize + payload.size());
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.writeRawData(Magic.constData(), int(Magic.size()));
    out << Version << quint64(payload.size());
    const QByteArray sum = checksum(payload);
    out.writeRawData(sum.constData(), int(sum.size()));
    return bytes + payload;
}

std::optional<JournalEntry> decodeJournalEntry(const QByteArray &bytes)
{
    if (bytes.size() < HeaderSize || !bytes.startsWith(Magic))
        return std::nullopt;
    QDataStream in(bytes.sliced(Magic.size(), HeaderSize - Magic.size()));
    quint32 version = 0;
    quint64 length = 0;
    in >> version >> length;
    const QByteArray payload = bytes.sliced(HeaderSize);
    if (version == 0 || version > Version || length != quint64(payload.size()) ||
        bytes.sliced(HeaderSize - 32, 32) != checksum(payload))
        return std::nullopt;
    return entryOf(payload);
}
