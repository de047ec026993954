// Stands in for a calculator that this version of the program does not have yet.
#pragma once

#include <string>

#include "platform/window.h"

namespace quillion::app {

class CUnavailablePage : public platform::Form {
 public:
  explicit CUnavailablePage(std::string title);
};

}  // namespace quillion::app
