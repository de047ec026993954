// Nitrogen intake and balance over 24 hours.
#include "labs/nitrogen_balance.h"

namespace quillion::labs {

double effectiveCollectionSpan(double spanHours) {
  if (spanHours < kShortestCollectionSpanHours) return kReplacementSpanHours;
  return spanHours;
}

double nitrogenIntake(double proteinGrams, double proteinSpanHours) {
  return (24.0 / proteinSpanHours) * proteinGrams * kNitrogenPerGramProtein;
}

double nitrogenBalance(double nitrogenIntakeGrams, double ureaNitrogenGrams,
                       double ureaNitrogenSpanHours) {
  return nitrogenIntakeGrams -
         ((24.0 / ureaNitrogenSpanHours) * ureaNitrogenGrams + kNonUreaNitrogenLossGrams);
}

NitrogenBalanceResult computeNitrogenBalance(double proteinGrams, double proteinSpanHours,
                                             double ureaNitrogenGrams,
                                             double ureaNitrogenSpanHours) {
  NitrogenBalanceResult result{};
  result.proteinSpanHours = effectiveCollectionSpan(proteinSpanHours);
  result.ureaNitrogenSpanHours = effectiveCollectionSpan(ureaNitrogenSpanHours);
  result.intake = nitrogenIntake(proteinGrams, result.proteinSpanHours);
  result.balance = nitrogenBalance(result.intake, ureaNitrogenGrams, result.ureaNitrogenSpanHours);
  return result;
}

}  // namespace quillion::labs
