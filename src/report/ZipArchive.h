// The members of a zip archive, read out whole and written back: what the
// xlsx table needs to set its numbers' text after libxlsxwriter has zipped
// the workbook. Only what such a workbook holds is read: stored or deflated
// members, no zip64, no encryption.
#pragma once

#include <QByteArray>

#include <optional>
#include <vector>

namespace kaldoventri {

struct ZipMember {
    QByteArray name;
    QByteArray data;  // uncompressed
    quint16 time = 0;  // MS-DOS time and date, kept as they were
    quint16 date = 0;
};

// The members in the order of the central directory; none when the bytes
// are not such an archive or a member does not inflate to its size and CRC.
std::optional<std::vector<ZipMember>> ReadZipMembers(const QByteArray& zip);

// An archive of the members, each deflated.
QByteArray ZipOf(const std::vector<ZipMember>& members);

}  // namespace kaldoventri
