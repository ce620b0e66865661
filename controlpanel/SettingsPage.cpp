#include "SettingsPage.h"

#include <utility>
#include <vector>

#include "Hourglass.h"

namespace {

constexpr int BottomMargin = 360;
// The window's own controls keep the default tab index 0.
constexpr int FrameTabIndex = 1;

} // namespace

SettingsPage::SettingsPage(std::string name, Topic topic, const PageButtons::Row& row,
                           ReturnTarget back)
    : Form(std::move(name)), buttons(*this, row), chrome(*this), topic_(topic), back_(back) {
    // Made before the window's own controls, the buttons and the head come
    // after them in the tab order all the same.
    const std::vector<forms::Control*> frameControls = Controls();
    for (forms::Control* control : frameControls)
        control->SetTabIndex(FrameTabIndex);
}

void SettingsPage::DesignButtons(int top) {
    buttons.PlaceAt(top);
    innerHeight_ = top + PageButtons::Height + BottomMargin;
    buttons.cmdApply.OnClick = [this] { cmdApply_Click(); };
    buttons.cmdOK.OnClick = [this] { cmdOK_Click(); };
    buttons.cmdCandel.OnClick = [this] { cmdCandel_Click(); };
}

// On the pages, a record value that a control cannot show is shown at the
// nearest valid value; it is sent only when the user applies, so Apply
// starts disabled whatever the controls show.
void SettingsPage::Form_Load() {
    PageChrome::FitWindow(*this, innerHeight_);
    LoadWorkingCopy();
    buttons.OfferApply(OfferApplyOnLoad());
    basMain::PrepareSubWindow(*this, chrome);
}

void SettingsPage::Form_Unload(bool&) {
    back_();
}

void SettingsPage::ShowApplyState() {
    buttons.OfferApply(WorkingCopyDiffers());
}

// A refused write leaves the record and the summary as the driver has them
// and Apply offered, so that the user can try again.
bool SettingsPage::Apply() {
    Hourglass pointer;
    if (!basMain::WriteRecordGroup([this] { StoreWorkingCopy(); }, topic_.request))
        return false;
    if (topic_.summary)
        basMain::ShowSummary(*topic_.summary);
    buttons.OfferApply(false);
    AfterApply();
    return true;
}

void SettingsPage::cmdApply_Click() {
    Apply();
}

// The window stays up when its edits could not be applied: closing it would
// drop them without a word.
void SettingsPage::cmdOK_Click() {
    if (buttons.cmdApply.Enabled() && !Apply())
        return;
    Hourglass pointer;
    Unload();
}

void SettingsPage::cmdCandel_Click() {
    Hourglass pointer;
    Unload();
}
