#include "SettingsPage.h"

#include <utility>

#include "Hourglass.h"
#include "basMain.h"

namespace {

constexpr int BottomMargin = 360;

} // namespace

SettingsPage::SettingsPage(std::string name, PageButtons& buttons, PageChrome& chrome, Topic topic)
    : Form(std::move(name)), buttons_(buttons), chrome_(chrome), topic_(topic) {}

void SettingsPage::DesignButtons(int top) {
    buttons_.PlaceAt(top);
    innerHeight_ = top + PageButtons::Height + BottomMargin;
    buttons_.cmdApply.OnClick = [this] { cmdApply_Click(); };
    buttons_.cmdOK.OnClick = [this] { cmdOK_Click(); };
    buttons_.cmdCandel.OnClick = [this] { cmdCandel_Click(); };
}

// A record value that a control cannot show is shown at the nearest valid
// value; it is sent only when the user applies, so Apply starts disabled
// whatever the controls show.
void SettingsPage::Form_Load() {
    PageChrome::FitWindow(*this, innerHeight_);
    LoadWorkingCopy();
    buttons_.OfferApply(false);
    basMain::PrepareSubWindow(*this, chrome_);
}

void SettingsPage::Form_Unload(bool&) {
    basMain::ReturnToMainWindow();
}

void SettingsPage::ShowApplyState() {
    buttons_.OfferApply(WorkingCopyDiffers());
}

// A refused write leaves the record and the summary as the driver has them
// and Apply offered, so that the user can try again.
bool SettingsPage::Apply() {
    Hourglass pointer;
    if (!basMain::WriteRecordGroup([this] { StoreWorkingCopy(); }, topic_.request))
        return false;
    basMain::ShowSummary(topic_.summary);
    buttons_.OfferApply(false);
    AfterApply();
    return true;
}

void SettingsPage::cmdApply_Click() {
    Apply();
}

// The page stays up when its edits could not be applied: closing it would
// drop them without a word.
void SettingsPage::cmdOK_Click() {
    if (buttons_.cmdApply.Enabled() && !Apply())
        return;
    Hourglass pointer;
    Unload();
}

void SettingsPage::cmdCandel_Click() {
    Hourglass pointer;
    Unload();
}
