#include "adult/protein_choice.h"

#include <string>

#include "adult/factor_tables.h"
#include "framework/format.h"
#include "framework/strings.h"
#include "platform/platform.h"

namespace quillion::adult {

void applyProteinChoice(int index, double& proteinMin, double& proteinMax, int& showHint) {
  if (index > kCustomProteinFactor && index < kProteinFactorCount) {
    proteinMin = kProteinFactors[index].minimum;
    proteinMax = kProteinFactors[index].maximum;
    return;
  }
  if (!showHint) return;
  const std::string hint = framework::formatValues(kProteinHintFormat, {proteinMin, proteinMax});
  const int answer = platform::currentPlatform().messageBox(
      hint, framework::kAppName, platform::MessageIcon::Question, platform::MessageButtons::YesNo);
  if (answer == platform::kAnswerNo) showHint = 0;
}

}  // namespace quillion::adult
