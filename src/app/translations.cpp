// Installing the translation of the system's language; messages and the sheets' words as it gives them.
#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <vector>

#include "board/program_text.h"
#include "display/sheets.h"
#include "output/sheet_language.h"

namespace loopword {

namespace {

constexpr const char* kMessages = "Messages";

/// A message pattern of the core and the expression that knows a line filled from it.
struct KnownPattern {
  const char* pattern;
  QRegularExpression filled;
};

/// "Line %1: %2." as ^Line (\d+|.*): (\d+|.*)\.$: a value is a number where it can be one, else it
/// takes all the text it can, as a path or a title coming first must.
QRegularExpression FilledLine(const QString& pattern) {
  static const QRegularExpression marker("%[1-9]");
  QString expression = "^";
  qsizetype from = 0;
  for (auto found = marker.globalMatch(pattern); found.hasNext();) {
    const QRegularExpressionMatch match = found.next();
    expression += QRegularExpression::escape(pattern.mid(from, match.capturedStart() - from)) + "(\\d+|.*)";
    from = match.capturedEnd();
  }
  return QRegularExpression(expression + QRegularExpression::escape(pattern.mid(from)) + "$");
}

const std::vector<KnownPattern>& KnownPatterns() {
  static const std::vector<KnownPattern> known = [] {
    std::vector<KnownPattern> list;
    for (const char* pattern : texts::kPatterns) list.push_back({pattern, FilledLine(QString::fromUtf8(pattern))});
    return list;
  }();
  return known;
}

QString ShownLine(const QString& line) {
  const QByteArray source = line.toUtf8();
  const QString fixed = QCoreApplication::translate(kMessages, source.constData());
  if (fixed != line) return fixed;
  for (const KnownPattern& known : KnownPatterns()) {
    const QRegularExpressionMatch match = known.filled.match(line);
    if (!match.hasMatch()) continue;
    std::vector<std::string> values;
    for (int v = 1; v <= match.lastCapturedIndex(); ++v) values.push_back(ShownLine(match.captured(v)).toStdString());
    return QString::fromStdString(FillText(QCoreApplication::translate(kMessages, known.pattern).toStdString(), values));
  }
  return line;
}

}  // namespace

void KeepEnglishInTheCLocale() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QByteArray value = qgetenv(name);
    if (value.isEmpty()) continue;
    if (value == "C" || value == "POSIX" || value.startsWith("C.")) break;
    return;
  }
  QLocale::setDefault(QLocale::c());
}

QString ShownText(const std::string& text) {
  const QString whole = QCoreApplication::translate(kMessages, text.c_str());
  if (whole != QString::fromStdString(text)) return whole;
  QStringList lines = whole.split('\n');
  for (QString& line : lines) line = ShownLine(line);
  return lines.join('\n');
}

Translations::Translations(const std::string& programFolder) {
  if (LoadProgramTranslation(program_, QLocale(), programFolder)) QCoreApplication::installTranslator(&program_);
  if (toolkit_.load(QLocale(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&toolkit_);
  }
  UseSheetTexts(TranslatedSheetTexts());
}

Translations::~Translations() {
  QCoreApplication::removeTranslator(&program_);
  QCoreApplication::removeTranslator(&toolkit_);
  UseSheetTexts({});
}

}  // namespace loopword
