// Branding of the windows: the reseller's logo, or the OEM title in the
// reseller's style, above the system line. Works on any form through the
// three controls every branded window has.
#pragma once

#include <string>

#include "forms/Label.h"
#include "forms/Picture.h"
#include "forms/PictureBox.h"

namespace basLOGO {

struct BrandedControls {
    forms::Label& lblOemTitle;
    forms::Label& lblSystem;
    forms::PictureBox& picLogo;
};

// What the windows of a program show: the logo, or when there is none the
// OEM title in the reseller's style.
struct Branding {
    forms::PicturePtr logo;
    std::string oemTitle;
};

// Whether the main window shows the logo; set by ShowBranding.
extern bool LogoPresent;

// After the identity has been loaded: the logo from InstallPath when it can
// be shown, else VenderName.
Branding LoadBranding();
// The branding on one window; the title takes VenderStyle.
void ApplyBranding(const BrandedControls& window, const Branding& branding);

// For a program's main window, after the identity has been loaded: the logo
// from InstallPath when it can be shown, else VenderName in VenderStyle.
void ShowBranding(const BrandedControls& window);
// For every other window: the same as the main window, taken from it.
void CopyBranding(const BrandedControls& window, const BrandedControls& mainWindow);
// VenderStyle on the OEM title (font and colour) and the system line (colour).
void ApplyVenderStyle(const BrandedControls& window);

} // namespace basLOGO
