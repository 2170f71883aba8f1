// Writing a zip archive of a few files, stored as they are: what a learning platform package is.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace loopword {

/// A file of an archive: its path inside it ("a/b.txt") and its bytes.
using ArchivedFile = std::pair<std::string, std::string>;

/// The CRC-32 (as zip and PNG compute it) of `bytes`.
std::uint32_t Crc32(std::string_view bytes);

/// The zip archive of `files`, in their order, each stored uncompressed and dated 1980-01-01, so that the same files
/// always give the same bytes. Sizes past 4 GiB are not for it.
std::string ZipArchive(const std::vector<ArchivedFile>& files);

}  // namespace loopword
