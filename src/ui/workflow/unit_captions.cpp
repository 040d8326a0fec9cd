#include "ui/workflow/unit_captions.h"

#include <cassert>
#include <string>

namespace spanlyx {

Control unit_menu_control(UnitSystem system) {
    switch (system) {
        case UnitSystem::E:
            return Control::mnuEnglish;
        case UnitSystem::E2:
            return Control::mnuEnglish2;
        case UnitSystem::M:
            return Control::mnumetric;
        case UnitSystem::M2:
            return Control::mnumetric2;
        case UnitSystem::M3:
            return Control::mnumetric3;
        case UnitSystem::M4:
            return Control::mnumetric4;
    }
    assert(false && "unknown unit system");
    return Control::none;
}

void write_unit_captions(EntryContext& c, UnitSystem system) {
    const EntryCaptions& captions = entry_captions(system);
    const auto caption = [&](Control label, std::string_view text) {
        c.set_caption(label, std::string(text));
    };
    caption(Control::Label10, captions.label10);
    caption(Control::Label19, captions.label19);
    caption(Control::Label23, captions.label23);
    caption(Control::Label11, captions.label11);
    caption(Control::Label12, captions.label12);
    caption(Control::Label13, captions.label13);
    caption(Control::Label4, captions.label4);
    caption(Control::Label7, captions.label7);
    caption(Control::Label8, captions.label8);
    caption(Control::Label15, captions.label15);
    caption(Control::Label14, captions.label14);
    // The joint's values carry the units of the report's joint displacements and reactions.
    const SupportUnitWords& words = support_unit_words(system);
    const auto with_unit = [](std::string_view name, std::string_view unit) {
        return std::string(name) + " (" + std::string(unit) + ")";
    };
    c.set_caption(Control::kylabel, with_unit("ky", words.ky));
    c.set_caption(Control::kzlabel, with_unit("kz", words.kz));
    c.set_caption(Control::settlementlabel, with_unit("Settlement", words.settlement));
    c.set_caption(Control::rotationlabel, with_unit("Rotation", words.rotation));
}

void choose_unit_system(EntryContext& c, UnitSystem system) {
    for (UnitSystem each : kAllUnitSystems)
        c.set_checked(unit_menu_control(each), each == system);
    c.beam.units = system;
    write_unit_captions(c, system);
    c.draw_sketch();
}

void choose_inertia_entry(EntryContext& c, bool typed) {
    c.set_checked(Control::Option2, typed);
    c.set_checked(Control::Option1, !typed);
    c.set_visible(Control::moi, typed);
    c.set_visible(Control::Label19, typed);
    for (Control section :
         {Control::spanwidthtext, Control::spandepthtext, Control::Label22, Control::Label21}) {
        c.set_visible(section, !typed);
    }
    c.beam.inertia_entered = typed;
}

}  // namespace spanlyx
