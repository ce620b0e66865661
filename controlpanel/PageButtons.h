// The row of buttons at the foot of a settings window: OK, Cancel and the
// button that writes the edits, which is offered exactly while an edit
// differs from the record. The settings frame (SettingsPage) does what they
// do; the row says what they are called and where they stand.
#pragma once

#include <array>
#include <initializer_list>

#include "forms/CommandButton.h"
#include "forms/Container.h"

struct PageButtons {
    enum class Role { Apply, OK, Cancel };
    struct Button {
        Role role;
        const char* name;
        const char* caption;
    };
    // Left to right, which is also the tab order.
    using Row = std::array<Button, 3>;

    // The settings pages' row.
    static constexpr Row PageRow{{{Role::OK, "cmdOK", "&OK"},
                                  {Role::Cancel, "cmdCandel", "&Cancel"},
                                  {Role::Apply, "cmdApply", "&Apply"}}};
    // The IRQ set-up's row, whose writing button is Save.
    static constexpr Row SaveRow{{{Role::Apply, "cmdSave", "&Save"},
                                  {Role::OK, "cmdOK", "&OK"},
                                  {Role::Cancel, "cmdCancel", "&Cancel"}}};

    PageButtons(forms::Container& form, const Row& row);

  private:
    forms::CommandButton left_;
    forms::CommandButton middle_;
    forms::CommandButton right_;

    forms::CommandButton& ButtonFor(const Row& row, Role role);

  public:
    // The buttons by what they do, under the settings pages' names.
    forms::CommandButton& cmdOK;
    forms::CommandButton& cmdCandel;
    forms::CommandButton& cmdApply;

    // Puts the row of buttons at `top` (twips), right-aligned with the head.
    void PlaceAt(int top);
    // Apply is offered exactly when an edited value differs from the record.
    void OfferApply(bool edited);

    static constexpr int Height = 435;
};

// Any window's row of buttons at `top` (twips), given left to right, of the
// settings pages' size and right-aligned with the head.
void PlaceButtonRow(int top, std::initializer_list<forms::CommandButton*> leftToRight);
