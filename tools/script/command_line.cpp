#include "script/command_line.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

namespace quillion::script {

bool parseLocalTime(const std::string& text, platform::LocalTime& time) {
  int consumed = 0;
  int n = std::sscanf(text.c_str(), "%d-%d-%d %d:%d%n", &time.year, &time.month, &time.day,
                      &time.hour, &time.minute, &consumed);
  if (n != 5 || consumed != static_cast<int>(text.size())) return false;
  if (time.year < 1 || time.year > 9999 || time.month < 1 || time.month > 12 || time.day < 1 ||
      time.day > 31) {
    return false;
  }
  const std::chrono::year_month_day day{std::chrono::year{time.year},
                                        std::chrono::month{static_cast<unsigned>(time.month)},
                                        std::chrono::day{static_cast<unsigned>(time.day)}};
  return day.ok() && time.hour >= 0 && time.hour <= 23 && time.minute >= 0 && time.minute <= 59;
}

std::string absoluteFolder(const std::string& folder) {
  if (folder.empty()) return {};
  std::error_code ignored;
  std::filesystem::path path = std::filesystem::absolute(folder, ignored).lexically_normal();
  std::string text = path.string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

}  // namespace quillion::script
