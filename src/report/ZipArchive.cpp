// Zip members through zlib's raw deflate.
#include "report/ZipArchive.h"

#include <zlib.h>

#include <limits>

namespace kaldoventri {

namespace {

constexpr quint32 LocalSignature = 0x04034b50;
constexpr quint32 CentralSignature = 0x02014b50;
constexpr quint32 EndSignature = 0x06054b50;
constexpr qsizetype EndSize = 22;
constexpr qsizetype CentralSize = 46;
constexpr qsizetype LocalSize = 30;
constexpr quint16 StoredMethod = 0;
constexpr quint16 DeflateMethod = 8;
constexpr quint16 Version = 20;  // 2.0: deflate
// Larger members would need zip64, which no table comes near.
constexpr qsizetype Largest = std::numeric_limits<qint32>::max();

quint32 Read(const QByteArray& bytes, qsizetype at, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

void Put(QByteArray& bytes, quint32 value, int size) {
    for (int i = 0; i < size; ++i) bytes += static_cast<char>(value >> (8 * i) & 0xff);
}

quint32 Crc(const QByteArray& data) {
    return static_cast<quint32>(
        crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(data.constData()), static_cast<uInt>(data.size())));
}

std::optional<QByteArray> Inflated(const QByteArray& packed, qsizetype size) {
    QByteArray data(size, Qt::Uninitialized);
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return std::nullopt;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.constData()));
    z.avail_in = static_cast<uInt>(packed.size());
    z.next_out = reinterpret_cast<Bytef*>(data.data());
    z.avail_out = static_cast<uInt>(size);
    const int result = inflate(&z, Z_FINISH);
    const bool whole = result == Z_STREAM_END && z.avail_out == 0;
    inflateEnd(&z);
    return whole ? std::optional<QByteArray>(data) : std::nullopt;
}

QByteArray Deflated(const QByteArray& data) {
    z_stream z{};
    deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray packed(static_cast<qsizetype>(deflateBound(&z, static_cast<uLong>(data.size()))), Qt::Uninitialized);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = reinterpret_cast<Bytef*>(packed.data());
    z.avail_out = static_cast<uInt>(packed.size());
    deflate(&z, Z_FINISH);
    packed.truncate(static_cast<qsizetype>(z.total_out));
    deflateEnd(&z);
    return packed;
}

}  // namespace

std::optional<std::vector<ZipMember>> ReadZipMembers(const QByteArray& zip) {
    qsizetype end = zip.size() - EndSize;
    while (end >= 0 && Read(zip, end, 4) != EndSignature) --end;
    if (end < 0) return std::nullopt;
    const quint32 count = Read(zip, end + 10, 2);
    qsizetype at = Read(zip, end + 16, 4);
    std::vector<ZipMember> members;
    for (quint32 i = 0; i < count; ++i) {
        if (at + CentralSize > end || Read(zip, at, 4) != CentralSignature) return std::nullopt;
        const quint32 flags = Read(zip, at + 8, 2), method = Read(zip, at + 10, 2), crc = Read(zip, at + 16, 4);
        const qsizetype packedSize = Read(zip, at + 20, 4), size = Read(zip, at + 24, 4);
        const qsizetype nameSize = Read(zip, at + 28, 2);
        const qsizetype local = Read(zip, at + 42, 4);
        if ((flags & 1) != 0 || (method != StoredMethod && method != DeflateMethod) || size > Largest || local + LocalSize > end ||
            Read(zip, local, 4) != LocalSignature)
            return std::nullopt;
        const qsizetype data = local + LocalSize + Read(zip, local + 26, 2) + Read(zip, local + 28, 2);
        if (data + packedSize > end) return std::nullopt;
        ZipMember member{zip.mid(at + CentralSize, nameSize), {}, static_cast<quint16>(Read(zip, at + 12, 2)),
                         static_cast<quint16>(Read(zip, at + 14, 2))};
        const QByteArray packed = zip.mid(data, packedSize);
        if (method == StoredMethod) {
            member.data = packed;
        } else if (auto inflated = Inflated(packed, size)) {
            member.data = std::move(*inflated);
        }
        if (member.data.size() != size || Crc(member.data) != crc) return std::nullopt;
        members.push_back(std::move(member));
        at += CentralSize + nameSize + Read(zip, at + 30, 2) + Read(zip, at + 32, 2);
    }
    return members;
}

QByteArray ZipOf(const std::vector<ZipMember>& members) {
    QByteArray zip, directory;
    for (const ZipMember& member : members) {
        const QByteArray packed = Deflated(member.data);
        const quint32 crc = Crc(member.data);
        const auto offset = static_cast<quint32>(zip.size());
        // The fields a local header and a directory entry share, from "version needed" on.
        QByteArray common;
        Put(common, Version, 2);
        Put(common, 0, 2);  // flags
        Put(common, DeflateMethod, 2);
        Put(common, member.time, 2);
        Put(common, member.date, 2);
        Put(common, crc, 4);
        Put(common, static_cast<quint32>(packed.size()), 4);
        Put(common, static_cast<quint32>(member.data.size()), 4);
        Put(common, static_cast<quint32>(member.name.size()), 2);
        Put(common, 0, 2);  // extra field
        Put(zip, LocalSignature, 4);
        zip += common + member.name + packed;
        Put(directory, CentralSignature, 4);
        Put(directory, Version, 2);  // made by
        directory += common;
        Put(directory, 0, 2);  // comment
        Put(directory, 0, 2);  // disk
        Put(directory, 0, 2);  // internal attributes
        Put(directory, 0, 4);  // external attributes
        Put(directory, offset, 4);
        directory += member.name;
    }
    const auto start = static_cast<quint32>(zip.size());
    zip += directory;
    Put(zip, EndSignature, 4);
    Put(zip, 0, 2);
    Put(zip, 0, 2);
    Put(zip, static_cast<quint32>(members.size()), 2);
    Put(zip, static_cast<quint32>(members.size()), 2);
    Put(zip, static_cast<quint32>(directory.size()), 4);
    Put(zip, start, 4);
    Put(zip, 0, 2);  // comment
    return zip;
}

}  // namespace kaldoventri
