// The clinical reviews of a parenteral solution: the checks against adult guidelines,
// the program-wide review text, the "Reviews" tab's label and the indicator in the
// results table's column headers, which can flash.
#pragma once

#include <string>

#include "parenteral/review_page.h"
#include "platform/window.h"

namespace quillion::parenteral {

inline constexpr const char* kReviewsNotEnabled = "Reviews are not enabled.";

// The values a build checks.
struct ReviewInputs {
  double npcToN = 0;
  double proteinGramsPerKg = 0;
  double lipidPercentKcal = 0;
  double lipidGramsPerKg = 0;
  double totalVolume = 0;
  double osmolarityMix = 0;
  double choMgKgMin = 0;
};

// The review text of these values, and how many reviews it holds.
std::string reviewsFor(const ReviewInputs& values, int& count);

class ReviewList {
 public:
  // Runs the checks and publishes the text, the count and the tab label.
  void build(const ReviewInputs& values);
  // One step of the indicator, every 500 ms while the page's window exists.
  void tick();

  int tickCount = 0;
  int count = 0;
  int flashes = 1;
  int enabled = 1;
  std::string title;
  ReviewPage* reviewPage = nullptr;
  platform::Sheet* sheet = nullptr;  // the sheet that shows the review page as tab 1
  platform::Control* table = nullptr;
};

}  // namespace quillion::parenteral
