// Nitrogen balance from protein intake and urinary urea nitrogen, each collected over
// its own span of hours and scaled to 24 hours.
#pragma once

#include <string_view>

namespace quillion::labs {

// A collection span below this many hours is replaced by kReplacementSpanHours, so a
// span typed as 0 never divides by zero.
inline constexpr double kShortestCollectionSpanHours = 0.5;
inline constexpr double kReplacementSpanHours = 1.0;

// Protein is taken as 16 % nitrogen; 4 g stands for the nitrogen lost other than as urea.
inline constexpr double kNitrogenPerGramProtein = 0.16;
inline constexpr double kNonUreaNitrogenLossGrams = 4.0;

// Both results are shown with this format.
inline constexpr std::string_view kNitrogenResultFormat = "%.1lf";

// Report of the nitrogen balance page.
inline constexpr std::string_view kNitrogenReportTitle = " Nitrogen Balance";
inline constexpr std::string_view kNitrogenReportProteinFormat = "Protein Intake %.2lf g";
inline constexpr std::string_view kNitrogenReportUreaNitrogenFormat =
    "Uninary Urea Nitrogen   %.2lf";
inline constexpr std::string_view kNitrogenReportProteinSpanFormat =
    "Protein Collection Span %.2lf hours";
inline constexpr std::string_view kNitrogenReportUreaNitrogenSpanFormat =
    "Uninary Urea Nitrogen Collection Span %.2lf hours";
inline constexpr std::string_view kNitrogenReportIntakeFormat = "Nitrogen Intake  = %.1lf";
inline constexpr std::string_view kNitrogenReportBalanceFormat = "Nitrogen Balance = %.1lf";

// The span actually used: below 0.5 hours it becomes 1.0, otherwise it stays.
double effectiveCollectionSpan(double spanHours);

// Nitrogen intake in g/24 h = (24 / span) * protein * 0.16, left to right. The span is
// used as given; pass it through effectiveCollectionSpan first.
double nitrogenIntake(double proteinGrams, double proteinSpanHours);

// Nitrogen balance = intake - ((24 / span) * urea nitrogen + 4.0). The span is used as
// given; pass it through effectiveCollectionSpan first.
double nitrogenBalance(double nitrogenIntakeGrams, double ureaNitrogenGrams,
                       double ureaNitrogenSpanHours);

// One computation of the page: the spans after replacement (the page shows them in
// their boxes) and both results.
struct NitrogenBalanceResult {
  double proteinSpanHours;
  double ureaNitrogenSpanHours;
  double intake;
  double balance;
};

NitrogenBalanceResult computeNitrogenBalance(double proteinGrams, double proteinSpanHours,
                                             double ureaNitrogenGrams,
                                             double ureaNitrogenSpanHours);

}  // namespace quillion::labs
