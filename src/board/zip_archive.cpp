// The zip archive's local headers, central directory and its end record, for stored files.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/zip_archive.h"

#include <array>

namespace loopword {

namespace {

constexpr std::uint16_t kVersion = 20;         // 2.0: the zip version a stored file needs
constexpr std::uint16_t kUtf8Names = 1 << 11;  // the general purpose flag for names in UTF-8
constexpr std::uint16_t kFirstDosDate = (0 << 9) | (1 << 5) | 1;  // 1980-01-01, the earliest date a zip file holds

void Put16(std::string& out, std::uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8 & 0xFF);
}
void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

/// The fields a local header and a central directory entry share, from the version needed to the name's length.
void PutCommonFields(std::string& out, const ArchivedFile& file) {
  Put16(out, kVersion);
  Put16(out, kUtf8Names);
  Put16(out, 0);  // stored
  Put16(out, 0);  // 00:00
  Put16(out, kFirstDosDate);
  Put32(out, Crc32(file.second));
  Put32(out, static_cast<std::uint32_t>(file.second.size()));
  Put32(out, static_cast<std::uint32_t>(file.second.size()));
  Put16(out, static_cast<std::uint32_t>(file.first.size()));
}

}  // namespace

std::uint32_t Crc32(std::string_view bytes) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> entries{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
      entries[n] = c;
    }
    return entries;
  }();
  std::uint32_t crc = 0xFFFFFFFFU;
  for (const char byte : bytes) crc = table[(crc ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFU;
}

std::string ZipArchive(const std::vector<ArchivedFile>& files) {
  std::string archive, directory;
  for (const ArchivedFile& file : files) {
    const auto offset = static_cast<std::uint32_t>(archive.size());
    Put32(archive, 0x04034B50);
    PutCommonFields(archive, file);
    Put16(archive, 0);  // no extra field
    archive += file.first + file.second;

    Put32(directory, 0x02014B50);
    Put16(directory, kVersion);  // made by: MS-DOS conventions, version 2.0
    PutCommonFields(directory, file);
    Put16(directory, 0);  // no extra field
    Put16(directory, 0);  // no comment
    Put16(directory, 0);  // disk 0
    Put16(directory, 0);  // internal attributes
    Put32(directory, 0);  // external attributes
    Put32(directory, offset);
    directory += file.first;
  }
  const auto directoryOffset = static_cast<std::uint32_t>(archive.size());
  archive += directory;
  Put32(archive, 0x06054B50);
  Put16(archive, 0);  // this disk
  Put16(archive, 0);  // the directory's disk
  Put16(archive, static_cast<std::uint32_t>(files.size()));
  Put16(archive, static_cast<std::uint32_t>(files.size()));
  Put32(archive, static_cast<std::uint32_t>(directory.size()));
  Put32(archive, directoryOffset);
  Put16(archive, 0);  // no comment
  return archive;
}

}  // namespace loopword
