#include "basLOGO.h"

#include "SharedRoutines.h"
#include "VenderStyle.h"
#include "basOEM.h"
#include "basVersion.h"

namespace basLOGO {

bool LogoPresent = false;

namespace {

// The system line moves up and to the left edge, next to the logo. Pixels,
// so that the shift shows in a window measured in twips too.
constexpr int SystemLineShiftPixels = 2;
constexpr int SystemLineLeftPixels = 2;

void ShowLogo(const BrandedControls& window, const forms::PicturePtr& logo) {
    forms::Label& system = window.lblSystem;
    window.lblOemTitle.SetVisible(false);
    system.Move(system.Parent().FromPixelsX(SystemLineLeftPixels),
                system.Top() - system.Parent().FromPixelsY(SystemLineShiftPixels));
    window.picLogo.SetPicture(logo);
}

} // namespace

Branding LoadBranding() {
    const std::string path = basOEM::InstallPath + "\\" + basVersion::LogoFile;
    // A logo file that cannot be read as a bitmap would leave the window with
    // neither logo nor title: the title is shown instead.
    return {BasGlobal::FileExists(path) ? forms::LoadPicture(path) : nullptr, basOEM::VenderName};
}

void ApplyBranding(const BrandedControls& window, const Branding& branding) {
    if (branding.logo) {
        ShowLogo(window, branding.logo);
        return;
    }
    window.lblOemTitle.SetCaption(branding.oemTitle);
    ApplyVenderStyle(window);
}

void ShowBranding(const BrandedControls& window) {
    const Branding branding = LoadBranding();
    LogoPresent = branding.logo != nullptr;
    ApplyBranding(window, branding);
}

void CopyBranding(const BrandedControls& window, const BrandedControls& mainWindow) {
    if (LogoPresent) {
        ShowLogo(window, mainWindow.picLogo.Picture());
        return;
    }
    window.lblOemTitle.SetCaption(mainWindow.lblOemTitle.Caption());
    ApplyVenderStyle(window);
}

void ApplyVenderStyle(const BrandedControls& window) {
    std::optional<VenderStyleCode> style = ParseVenderStyle(basOEM::VenderStyle);
    if (!style)
        return;
    forms::Label& title = window.lblOemTitle;
    if (style->fontName)
        title.SetFontName(*style->fontName);
    title.SetFontBold(style->bold);
    title.SetFontItalic(style->italic);
    if (style->size)
        title.SetFontSize(*style->size);
    if (style->titleColour)
        title.SetForeColor(*style->titleColour);
    if (style->systemColour)
        window.lblSystem.SetForeColor(*style->systemColour);
}

} // namespace basLOGO
