// The learning platform package: its manifest, the page with the puzzles, zipped.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle/learning_package.h"

#include "board/plain_text.h"
#include "board/text_hash.h"
#include "board/zip_archive.h"
#include "puzzle/web_page.h"

namespace loopword {

std::string PackageManifest(std::string_view title, const std::vector<std::string>& puzzles) {
  const std::string name = XmlText(std::string(title));
  std::uint64_t hash = TextHash(title);
  for (const std::string& puzzle : puzzles) hash = TextHash(puzzle, hash);
  const std::string id = "LOOPWORD-" + std::to_string(hash);
  return R"(<?xml version="1.0" encoding="UTF-8"?>
<manifest identifier=")" + id + R"(" version="1.0"
  xmlns="http://www.imsproject.org/xsd/imscp_rootv1p1p2"
  xmlns:adlcp="http://www.adlnet.org/xsd/adlcp_rootv1p2"
  xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance"
  xsi:schemaLocation="http://www.imsproject.org/xsd/imscp_rootv1p1p2 imscp_rootv1p1p2.xsd http://www.imsglobal.org/xsd/imsmd_rootv1p2p1 imsmd_rootv1p2p1.xsd http://www.adlnet.org/xsd/adlcp_rootv1p2 adlcp_rootv1p2.xsd">
  <metadata>
    <schema>ADL SCORM</schema>
    <schemaversion>1.2</schemaversion>
  </metadata>
  <organizations default="loopword">
    <organization identifier="loopword">
      <title>)" + name + R"(</title>
      <item identifier="puzzle" identifierref="page" isvisible="true">
        <title>)" + name + R"(</title>
      </item>
    </organization>
  </organizations>
  <resources>
    <resource identifier="page" type="webcontent" adlcp:scormtype="sco" href=")" + std::string(kPackagePage) + R"(">
      <file href=")" + std::string(kPackagePage) + R"("/>
    </resource>
  </resources>
</manifest>
)";
}

std::optional<std::string> LearningPackage(std::string_view page, const std::vector<std::string>& puzzles, std::string_view title) {
  const std::optional<std::string> filled = PageWithPuzzles(page, puzzles);
  if (!filled) return std::nullopt;
  return ZipArchive({{"imsmanifest.xml", PackageManifest(title.empty() ? "Loopword" : title, puzzles)}, {std::string(kPackagePage), *filled}});
}

}  // namespace loopword
