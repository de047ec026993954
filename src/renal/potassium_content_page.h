// The potassium content page of the renal exchanges sheet.
#pragma once

#include "platform/window.h"

namespace quillion::renal {

class CPotassiumContentPP : public platform::Form {
 public:
  CPotassiumContentPP();

 protected:
  void onInit() override;
  void onNotify(const platform::Notification& n) override;

 private:
  void showRow(int row);
};

}  // namespace quillion::renal
