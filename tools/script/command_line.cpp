#include "script/command_line.h"

#include <cstdio>

namespace quillion::script {

bool parseLocalTime(const std::string& text, platform::LocalTime& time) {
  int consumed = 0;
  int n = std::sscanf(text.c_str(), "%d-%d-%d %d:%d%n", &time.year, &time.month, &time.day,
                      &time.hour, &time.minute, &consumed);
  return n == 5 && consumed == static_cast<int>(text.size()) && time.month >= 1 &&
         time.month <= 12 && time.day >= 1 && time.day <= 31 && time.hour >= 0 &&
         time.hour <= 23 && time.minute >= 0 && time.minute <= 59;
}

}  // namespace quillion::script
