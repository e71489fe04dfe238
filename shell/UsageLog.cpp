#include "UsageLog.h"

#include <cmath>

#include "Calendar.h"
#include "IoError.h"
#include "RealText.h"
#include "TextFile.h"

namespace qx {

namespace {

std::string usageDay(std::string_view text) { return std::string(text.substr(0, kUsageDayLength)); }

}  // namespace

std::string julianDayDigits(Extended jd) {
  return std::to_string(static_cast<long long>(std::trunc(jd))).substr(0, 7);
}

std::string usageDateText(Extended loggedDay) {
  return jdToText(std::floor(loggedDay) + 0.5L).substr(0, 10);
}

std::vector<std::string> updateUsageLog(const WorkFolder& folder, Extended todayJd) {
  if (!folder.exists(kUsageStateFile))
    writeTextLines(folder.pathForWrite(kUsageStateFile),
                   {std::string(kNoPreviousUse), std::string(kNoPreviousUse), "1"});
  if (!folder.exists(kUsageDatesFile)) writeTextLines(folder.pathForWrite(kUsageDatesFile), {});

  const std::filesystem::path statePath = folder.resolve(kUsageStateFile);
  const std::vector<std::string> state = readTextLines(statePath);
  const std::string currentUse = usageDay(lineAt(state, 1, statePath));
  const auto count = leadingInteger(lineAt(state, 2, statePath));
  if (!count) throw IoError(IoErrorCode::InvalidNumber, statePath.string());

  const std::string today = julianDayDigits(todayJd);
  writeTextLines(folder.pathForWrite(kUsageStateFile), {currentUse, today, std::to_string(*count + 1)});
  appendTextLine(folder.pathForWrite(kUsageDatesFile), today);

  const std::filesystem::path datesPath = folder.resolve(kUsageDatesFile);
  std::vector<std::string> dates;
  for (const std::string& line : readTextLines(datesPath)) {
    const auto day = leadingReal(line);
    if (!day) throw IoError(IoErrorCode::InvalidNumber, datesPath.string());
    dates.push_back(usageDateText(*day));
  }
  return dates;
}

}  // namespace qx
