// The frame that every settings window shares: load from the device record,
// Apply offered exactly while an edit differs from the record, Apply / OK /
// Cancel with the hourglass, the common set-up at the end of the load and
// the way back on unload. The frame owns the row of buttons and the head; a
// window adds its controls, its working copy, its Apply state and the
// fields it writes.
#pragma once

#include <optional>
#include <string>

#include "MainSummaries.h"
#include "PageButtons.h"
#include "PageChrome.h"
#include "RecordWrite.h"
#include "basMain.h"
#include "forms/Form.h"

class SettingsPage : public forms::Form {
  public:
    PageButtons buttons;
    PageChrome chrome;

  protected:
    // What a window writes: its request and, where the main window shows
    // one, the main window's summary of it.
    struct Topic {
        basMain::RecordRequest request;
        std::optional<basMain::SummaryRow> summary;
    };
    // Shows the window that this one returns to when it unloads.
    using ReturnTarget = void (*)();

    SettingsPage(std::string name, Topic topic, const PageButtons::Row& row = PageButtons::PageRow,
                 ReturnTarget back = basMain::ReturnToMainWindow);

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
    // Whether Apply is offered as soon as the window is loaded.
    virtual bool OfferApplyOnLoad() const { return false; }

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

    Topic topic_;
    ReturnTarget back_;
    int innerHeight_ = 0;
};
