// The growth pages' arithmetic: conversions with their texts, and energy, protein and
// fluid needs at the boundaries of every band.
#include "pediatrics/pediatric_needs.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quillion::pediatrics {
namespace {

TEST(PediatricNeeds, ConversionTexts) {
  struct Row {
    Converted converted;
    double value;
    const char* text;
  };
  const Row rows[] = {
      {weightInKilograms(9, kKilograms), 9, "(9.00 kgs = 19.84 lbs)"},
      {weightInKilograms(60, kPounds), 27.2155416011810, "(60.00 lbs = 27.22 kgs)"},
      {weightInKilograms(7500, kGrams), 7.5, "(7500.00 g = 16.53 lbs)"},
      {lengthInCentimetres(74, kCentimetres), 74, "(74.00 cm = 29.13 ins)"},
      {lengthInCentimetres(30, kInches), 76.1999988555908, "(30.00 ins = 76.20 cm)"},
      {temperatureInCelsius(98.6, kFahrenheit), 37, "(98.6 F = 37.0 C)"},
      {temperatureInCelsius(38, kCelsius), 38, "(38.0 C = 100.4 F)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_NEAR(row.converted.value, row.value, 1e-9);
    EXPECT_EQ(row.converted.text, row.text);
  }
  EXPECT_EQ(clientLine(0, 8, kYears), "Client: Male 8 yrs");
  EXPECT_EQ(clientLine(1, 12, kMonths), "Client: Female 12 months");
}

TEST(PediatricNeeds, InfantIntakeAndFluids) {
  struct Row {
    double ageYears;
    double kcal;
    double protein;
  };
  const Row rows[] = {{0, 108, 2.2},     {0.5, 108, 2.2}, {6.01 / 12, 98, 1.6},
                      {1.0, 98, 1.6},    {1.01, 102, 1.2}, {3, 102, 1.2}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.ageYears);
    EXPECT_EQ(infantIntake(row.ageYears).kcalPerKg, row.kcal);
    EXPECT_EQ(infantIntake(row.ageYears).proteinPerKg, row.protein);
  }
  // A boy of 12 months and 9 kg: 900 ml by weight, 1.5 ml per kcal of 882 kcal by age.
  EXPECT_EQ(infantFluids(9, 1.0, 882).low, 900);
  EXPECT_EQ(infantFluids(9, 1.0, 882).high, 1323);
  EXPECT_DOUBLE_EQ(infantRestingEnergy(9, false), 494.1);
  EXPECT_DOUBLE_EQ(infantRestingEnergy(9, true), 498);
  // By weight the fluids rise without a step through 10 and 20 kg; from 2 years by age
  // 115 ml/kg.
  struct Fluids {
    double kg;
    double byWeight;
  };
  const Fluids fluids[] = {{9.5, 950}, {10, 1000}, {10.5, 1025}, {19.5, 1475}, {20, 1500},
                           {22, 1550}};
  for (const Fluids& f : fluids) {
    SCOPED_TRACE(f.kg);
    EXPECT_DOUBLE_EQ(infantFluids(f.kg, 2.0, 0).low, std::min(f.byWeight, 115 * f.kg));
    EXPECT_DOUBLE_EQ(infantFluids(f.kg, 2.0, 0).high, std::max(f.byWeight, 115 * f.kg));
  }
}

TEST(PediatricNeeds, ChildRestingEnergyByAgeBand) {
  // FAO/WHO/UNU (1985) equations from body weight.
  struct Row {
    double ageYears;
    bool female;
    double kg;
    double ree;
  };
  const Row rows[] = {
      {8, false, 25, 1062.5},   {10, false, 30, 1176},     {10.01, false, 30, 1176},
      {10.5, false, 30, 1176},  {8, true, 25, 1061.5},     {12, true, 40, 1234},
      {18.01, false, 70, 1750}, {25, false, 70, 1750},     {25, true, 60, 1378},
      {17, false, 60, 1701},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.ageYears << (row.female ? " F " : " M ") << row.kg);
    EXPECT_NEAR(childRestingEnergy(row.kg, row.ageYears, row.female), row.ree, 1e-9);
  }
}

TEST(PediatricNeeds, FeverRaisesEnergyFromThirtyEightDegrees) {
  struct Row {
    double celsius;
    double factor;
  };
  const Row rows[] = {{36, 1}, {37, 1}, {37.99, 1}, {38, 1.12}, {39, 1.2544}, {40, 1.404928},
                      {38.5, 1.1852965873569}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.celsius);
    EXPECT_NEAR(feverFactor(row.celsius), row.factor, 1e-9);
  }
}

TEST(PediatricNeeds, ChildIntakesByAgeBand) {
  struct Row {
    double ageYears;
    bool female;
    double kcal;
    double protein;
    double fluidsPerKg;
  };
  const Row rows[] = {
      {3.89, false, 102, 1.2, 100}, {3.9, false, 102, 1.1, 100}, {4, true, 90, 1.1, 100},
      {5, false, 90, 1.1, 95},      {6, false, 90, 1.1, 90},     {6.9, false, 90, 1.0, 90},
      {7, false, 70, 1.0, 60},      {9, false, 70, 1.0, 50},     {10.9, false, 70, 1.0, 50},
      {11, false, 55, 1.0, 50},     {11, true, 47, 1.0, 50},     {12, false, 55, 1.0, 40},
      {14.9, false, 55, 0.9, 40},   {14.9, true, 47, 0.8, 40},   {15, false, 45, 0.9, 40},
      {15, true, 40, 0.8, 40},      {18.89, false, 45, 0.9, 40}, {19, false, 40, 0.8, 40},
      {19, true, 38, 0.8, 40},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.ageYears << (row.female ? " F" : " M"));
    EXPECT_EQ(childKcalPerKg(row.ageYears, row.female), row.kcal);
    EXPECT_EQ(childProteinPerKg(row.ageYears, row.female), row.protein);
    EXPECT_EQ(childFluidsPerKg(row.ageYears), row.fluidsPerKg);
  }
  // Above 20 kg the by-weight fluids add 25 ml/kg below 12 years, 20 ml/kg from 12.
  EXPECT_EQ(childFluidsByWeight(25, 8), 1625);
  EXPECT_EQ(childFluidsByWeight(30, 11.99), 1750);
  EXPECT_EQ(childFluidsByWeight(30, 12), 1700);
  EXPECT_EQ(childFluidsByWeight(14, 3), 1200);
}

}  // namespace
}  // namespace quillion::pediatrics
