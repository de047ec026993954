// The protein factor list's choice, shared by the Ireton-Jones and kcal-per-kg pages.
#pragma once

namespace quillion::adult {

// Items 1 to 9 set the range from the list. Any other item is the custom factor: when
// showHint is set the hint is asked as a Yes / No question, and No clears showHint. The
// page then puts the focus on its minimum box and recomputes.
void applyProteinChoice(int index, double& proteinMin, double& proteinMax, int& showHint);

}  // namespace quillion::adult
