// The frame that every settings page shares: load from the device record,
// Apply offered exactly while an edit differs from the record, Apply / OK /
// Cancel with the hourglass, the common set-up at the end of the load and
// the way back to the main window on unload. A page adds its controls, its
// working copy, its Apply state and the fields it writes.
#pragma once

#include <string>

#include "MainSummaries.h"
#include "PageButtons.h"
#include "PageChrome.h"
#include "RecordWrite.h"
#include "forms/Form.h"

class SettingsPage : public forms::Form {
  protected:
    // What a page writes: its request and the main window's summary of it.
    struct Topic {
        basMain::RecordRequest request;
        basMain::SummaryRow summary;
    };

    // The page's own buttons and head, declared after its controls so that
    // they come last in the tab order; used only once constructed.
    SettingsPage(std::string name, PageButtons& buttons, PageChrome& chrome, Topic topic);

    // Design: the row of buttons at `top` (twips), the window's height below
    // it, and the buttons' handlers.
    void DesignButtons(int top);

    // Fills the controls and the working copy from the device record.
    virtual void LoadWorkingCopy() = 0;
    // True when an edit that is in force differs from the record.
    virtual bool WorkingCopyDiffers() const = 0;
    // Copies the working copy into the device record.
    virtual void StoreWorkingCopy() = 0;
    // After the driver took the record.
    virtual void AfterApply() {}

    // Offers Apply exactly when the working copy differs; every edit calls it.
    void ShowApplyState();

  private:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void cmdApply_Click();
    void cmdOK_Click();
    void cmdCandel_Click();
    // Apply; false when the driver refused the record.
    bool Apply();

    PageButtons& buttons_;
    PageChrome& chrome_;
    Topic topic_;
    int innerHeight_ = 0;
};
