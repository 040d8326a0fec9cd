#include <gtest/gtest.h>

#include "model/print_line.h"
#include "model/units.h"

namespace spanlyx {
namespace {

TEST(UnitSystems, CodesFlagsAndTags) {
    EXPECT_EQ(unit_code(UnitSystem::E2), "E");
    EXPECT_TRUE(inch_units(UnitSystem::E2));
    EXPECT_FALSE(inch_units(UnitSystem::E));
    EXPECT_EQ(unit_tag(UnitSystem::E2), "E2");
    EXPECT_EQ(defl_unit(UnitSystem::E), "no");
    EXPECT_EQ(defl_unit(UnitSystem::M3), "cm");
    EXPECT_EQ(defl_unit(UnitSystem::M4), "mm");
    EXPECT_EQ(parse_unit_tag("M4"), UnitSystem::M4);
    EXPECT_EQ(parse_unit_tag("E2"), UnitSystem::E2);
    EXPECT_FALSE(parse_unit_tag("e"));
    EXPECT_FALSE(parse_unit_tag(" M"));
    EXPECT_EQ(allowed_decimals(UnitSystem::E), 2);
    EXPECT_EQ(allowed_decimals(UnitSystem::E2), 3);
    EXPECT_EQ(allowed_decimals(UnitSystem::M4), 3);
    EXPECT_EQ(allowed_decimals(UnitSystem::M3), 2);
}

TEST(UnitSystems, EntryToStoredScalingAndBack) {
    EXPECT_DOUBLE_EQ(modulus_to_stored(UnitSystem::M, 200), 2.0e11);
    EXPECT_DOUBLE_EQ(inertia_to_stored(UnitSystem::M, 8.36), 8.36e-5);
    EXPECT_DOUBLE_EQ(modulus_to_stored(UnitSystem::M2, 200), 200000000);
    EXPECT_DOUBLE_EQ(modulus_to_stored(UnitSystem::M4, 200), 200);
    EXPECT_DOUBLE_EQ(inertia_to_stored(UnitSystem::M3, 8000), 0.00008);
    EXPECT_DOUBLE_EQ(inertia_to_stored(UnitSystem::M, 8000), 0.08);
    EXPECT_DOUBLE_EQ(modulus_to_stored(UnitSystem::M3, 2100000), 21000000000.0);
    EXPECT_DOUBLE_EQ(inertia_to_entry(UnitSystem::M, 0.000125), 12.5);
    EXPECT_DOUBLE_EQ(inertia_to_entry(UnitSystem::M3, 0.00008), 8000);
    EXPECT_DOUBLE_EQ(modulus_to_entry(UnitSystem::M2, 200000000), 200);
    EXPECT_DOUBLE_EQ(imperial_entered_modulus(29), 29000000);
    EXPECT_DOUBLE_EQ(imperial_entered_modulus(30), 30);
    for (UnitSystem system : kAllUnitSystems) {
        EXPECT_DOUBLE_EQ(inertia_to_entry(system, inertia_to_stored(system, 123.25)), 123.25);
        EXPECT_DOUBLE_EQ(modulus_to_entry(system, modulus_to_stored(system, 205.5)), 205.5);
    }
}

TEST(UnitSystems, CaptionsOfTheEntryFields) {
    EXPECT_EQ(entry_captions(UnitSystem::E2).label10, "Span Length (in)");
    EXPECT_EQ(entry_captions(UnitSystem::E2).label19, "Moment of Inertia (in^4)");
    EXPECT_EQ(entry_captions(UnitSystem::M).label19, "Mom of Inertia (x10^-5 m^4)");
    EXPECT_EQ(entry_captions(UnitSystem::M3).label8, "P (kg)");
    EXPECT_EQ(entry_captions(UnitSystem::M4).label14, "M (N-mm)");
    EXPECT_EQ(unit_menu_item(UnitSystem::M4).caption, "Metric (mm),  I: mm^4 && E N/mm^2");
    EXPECT_EQ(unit_menu_item(UnitSystem::E).object_name, "mnuEnglish");
}

// Springs and movements in the units the report gives joint displacements and forces in.
TEST(UnitSystems, UnitsOfSpringsAndImposedMovements) {
    const struct {
        UnitSystem system;
        std::string_view ky, kz, settlement;
    } rows[] = {
        {UnitSystem::E, "lb/in", "ft-lb/rad", "in"}, {UnitSystem::E2, "lb/in", "in-lb/rad", "in"},
        {UnitSystem::M, "N/m", "N-m/rad", "m"},      {UnitSystem::M2, "N/m", "N-m/rad", "m"},
        {UnitSystem::M3, "kg/m", "kg-m/rad", "m"},   {UnitSystem::M4, "N/mm", "N-mm/rad", "mm"},
    };
    for (const auto& row : rows) {
        const SupportUnitWords& words = support_unit_words(row.system);
        EXPECT_EQ(words.ky, row.ky) << unit_tag(row.system);
        EXPECT_EQ(words.kz, row.kz) << unit_tag(row.system);
        EXPECT_EQ(words.settlement, row.settlement) << unit_tag(row.system);
        EXPECT_EQ(words.rotation, "rad");
    }
}

TEST(PrintZones, CommaStartsTheNextFourteenColumnZone) {
    // An empty first item moves the next one to column 15 (index 14).
    EXPECT_EQ(PrintLine().zone("Member").text(), std::string(14, ' ') + "Member");
    PrintLine titles;
    titles.zone("Member").zone("Joint").zone("Axial").zone("Shear").zone("Moment");
    EXPECT_EQ(titles.text().find("Member"), 14u);
    EXPECT_EQ(titles.text().find("Joint"), 28u);
    EXPECT_EQ(titles.text().find("Axial"), 42u);
    EXPECT_EQ(titles.text().find("Shear"), 56u);
    EXPECT_EQ(titles.text().find("Moment"), 70u);
    // A 34-character label puts its value at column 43.
    PrintLine label("    Moment of Inertia (in^4)    = ");
    label.zone("120.00");
    EXPECT_EQ(label.text().find("120.00"), 42u);
    // A number written directly carries its sign blank and a trailing blank.
    EXPECT_EQ(PrintLine("    SPAN").zone_number(1).text(), "    SPAN       1 ");
    EXPECT_EQ(PrintLine("    MEMBER # ").join_number(2).text(), "    MEMBER #  2 ");
}

TEST(PrintZones, TextWriterEndsLinesWithCrLf) {
    TextWriter out;
    out.line("a");
    out.blank_line();
    out.empty_line();
    EXPECT_EQ(out.text(), "a\r\n \r\n\r\n");
}

}  // namespace
}  // namespace spanlyx
