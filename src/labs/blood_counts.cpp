// Anemia indices and total lymphocyte count.
#include "labs/blood_counts.h"

namespace quillion::labs {

double meanCorpuscularHemoglobinConcentration(double hematocrit, double hemoglobin) {
  return (100.0 / hematocrit) * hemoglobin;
}

double meanCorpuscularVolume(double redBloodCellCount, double hematocrit) {
  return (10.0 / redBloodCellCount) * hematocrit;
}

double transferrinSaturation(double totalIronBindingCapacity, double serumIron) {
  return (100.0 / totalIronBindingCapacity) * serumIron;
}

double totalLymphocyteCount(double whiteBloodCellCount, double lymphocytePercent) {
  return (lymphocytePercent * whiteBloodCellCount) * 0.01;
}

}  // namespace quillion::labs
