// Branding on a window of the runtime: the logo from the install folder, or
// the OEM title in the vendor's style, on the main window and on the windows
// that copy it.
#include <gtest/gtest.h>

#include <fstream>

#include "BitmapFile.h"
#include "basLOGO.h"
#include "basOEM.h"
#include "forms/Forms.h"

namespace {

constexpr int DesignedTitleSize = 18;
const forms::Color DesignedTitleColour = forms::Rgb(0, 0, 128);
const forms::Color DesignedSystemColour = forms::Rgb(0, 128, 0);
constexpr int SystemLeft = 600;
constexpr int SystemTop = 900;

class frmBranded : public forms::Form {
  public:
    frmBranded() : Form("frmBranded") {
        lblOemTitle.SetCaption("Orvalith");
        lblOemTitle.SetFontName("Times New Roman");
        lblOemTitle.SetFontSize(DesignedTitleSize);
        lblOemTitle.SetForeColor(DesignedTitleColour);
        lblOemTitle.Move(120, 120, 3000, 500);
        lblSystem.SetCaption("TouchScreen System Version 7.0.COM");
        lblSystem.SetForeColor(DesignedSystemColour);
        lblSystem.Move(SystemLeft, SystemTop, 3000, 300);
        picLogo.Move(120, 120, 3000, 700);
    }
    basLOGO::BrandedControls Branding() { return {lblOemTitle, lblSystem, picLogo}; }

    forms::PictureBox picLogo{*this, "picLogo"};
    forms::Label lblOemTitle{*this, "lblOemTitle"};
    forms::Label lblSystem{*this, "lblSystem"};
};

// A 4 x 3 pixel, 24-bit bitmap file.
void WriteBitmap(const std::string& path) {
    e2e::WriteBitmapFile(path, 4, 3, [](int, int) { return RGB(64, 64, 64); });
}

class Branding : public ::testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        ASSERT_NE(0u, GetTempPathA(MAX_PATH, temp));
        folder_ = std::string(temp) + "TS Branding";
        CreateDirectoryA(folder_.c_str(), nullptr);
        DeleteFileA(LogoPath().c_str());
        basOEM::InstallPath = folder_;
        basOEM::VenderName = "Acme Displays";
        basOEM::VenderStyle = "11121214";
        basLOGO::LogoPresent = false;
        ASSERT_TRUE(main_.Load());
        ASSERT_TRUE(page_.Load());
    }
    void TearDown() override {
        page_.Unload();
        main_.Unload();
        DeleteFileA(LogoPath().c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    std::string LogoPath() const { return folder_ + "\\TSLogo.Bmp"; }

    std::string folder_;
    frmBranded main_;
    frmBranded page_;
};

TEST_F(Branding, WithoutALogoTheTitleShowsTheVendorNameInItsStyle) {
    basLOGO::ShowBranding(main_.Branding());
    EXPECT_FALSE(basLOGO::LogoPresent);
    EXPECT_TRUE(main_.lblOemTitle.Visible());
    EXPECT_EQ("Acme Displays", main_.lblOemTitle.Caption());
    EXPECT_EQ("Times New Roman", main_.lblOemTitle.FontName());
    EXPECT_TRUE(main_.lblOemTitle.FontBold());
    EXPECT_FALSE(main_.lblOemTitle.FontItalic());
    EXPECT_EQ(12, main_.lblOemTitle.FontSize());
    EXPECT_EQ(forms::Rgb(255, 0, 0), main_.lblOemTitle.ForeColor());
    EXPECT_EQ(forms::Rgb(255, 255, 0), main_.lblSystem.ForeColor());
    EXPECT_EQ(SystemTop, main_.lblSystem.Top()) << "the system line stays without a logo";
    EXPECT_EQ(SystemLeft, main_.lblSystem.Left());
    EXPECT_EQ(nullptr, main_.picLogo.Picture());

    basOEM::VenderName = "";
    basLOGO::ShowBranding(main_.Branding());
    EXPECT_EQ("", main_.lblOemTitle.Caption()) << "an empty name empties the title";
}

TEST_F(Branding, AShortStyleCodeKeepsTheDesign) {
    basOEM::VenderStyle = "2112121";
    basLOGO::ShowBranding(main_.Branding());
    EXPECT_EQ("Acme Displays", main_.lblOemTitle.Caption());
    EXPECT_EQ("Times New Roman", main_.lblOemTitle.FontName());
    EXPECT_FALSE(main_.lblOemTitle.FontBold());
    EXPECT_EQ(DesignedTitleSize, main_.lblOemTitle.FontSize());
    EXPECT_EQ(DesignedTitleColour, main_.lblOemTitle.ForeColor());
    EXPECT_EQ(DesignedSystemColour, main_.lblSystem.ForeColor());
}

TEST_F(Branding, BlankFieldsGiveRegularBlackTextInTheDesignedSize) {
    basOEM::VenderStyle = "2       ";
    main_.lblOemTitle.SetFontBold(true);
    basLOGO::ShowBranding(main_.Branding());
    EXPECT_EQ("Arial", main_.lblOemTitle.FontName());
    EXPECT_FALSE(main_.lblOemTitle.FontBold());
    EXPECT_FALSE(main_.lblOemTitle.FontItalic());
    EXPECT_EQ(DesignedTitleSize, main_.lblOemTitle.FontSize());
    EXPECT_EQ(forms::Rgb(0, 0, 0), main_.lblOemTitle.ForeColor());
    EXPECT_EQ(forms::Rgb(0, 0, 0), main_.lblSystem.ForeColor());
}

TEST_F(Branding, ALogoReplacesTheTitleOnEveryWindowFromOneRead) {
    WriteBitmap(LogoPath());
    basLOGO::ShowBranding(main_.Branding());
    EXPECT_TRUE(basLOGO::LogoPresent);
    EXPECT_FALSE(main_.lblOemTitle.Visible());
    EXPECT_EQ(SystemTop - main_.FromPixelsY(2), main_.lblSystem.Top()) << "two pixels up";
    EXPECT_EQ(main_.FromPixelsX(2), main_.lblSystem.Left());
    ASSERT_NE(nullptr, main_.picLogo.Picture());
    EXPECT_EQ(4, main_.picLogo.Picture()->Width());
    EXPECT_EQ(3, main_.picLogo.Picture()->Height());

    // The other windows take the main window's picture, not the file.
    DeleteFileA(LogoPath().c_str());
    basLOGO::CopyBranding(page_.Branding(), main_.Branding());
    EXPECT_FALSE(page_.lblOemTitle.Visible());
    EXPECT_EQ(SystemTop - page_.FromPixelsY(2), page_.lblSystem.Top());
    EXPECT_EQ(page_.FromPixelsX(2), page_.lblSystem.Left());
    EXPECT_EQ(main_.picLogo.Picture(), page_.picLogo.Picture());
}

TEST_F(Branding, WithoutALogoOtherWindowsCopyTheTitleAndApplyTheStyle) {
    basLOGO::ShowBranding(main_.Branding());
    main_.lblOemTitle.SetCaption("Title as the main window shows it");
    basLOGO::CopyBranding(page_.Branding(), main_.Branding());
    EXPECT_TRUE(page_.lblOemTitle.Visible());
    EXPECT_EQ("Title as the main window shows it", page_.lblOemTitle.Caption());
    EXPECT_EQ(12, page_.lblOemTitle.FontSize());
    EXPECT_TRUE(page_.lblOemTitle.FontBold());
    EXPECT_EQ(forms::Rgb(255, 0, 0), page_.lblOemTitle.ForeColor());
    EXPECT_EQ(forms::Rgb(255, 255, 0), page_.lblSystem.ForeColor());
    EXPECT_EQ(SystemTop, page_.lblSystem.Top());
    EXPECT_EQ(nullptr, page_.picLogo.Picture());
}

TEST_F(Branding, ALogoFileThatIsNoBitmapFallsBackToTheTitle) {
    std::ofstream(LogoPath(), std::ios::binary) << "not a bitmap";
    basLOGO::ShowBranding(main_.Branding());
    EXPECT_FALSE(basLOGO::LogoPresent);
    EXPECT_TRUE(main_.lblOemTitle.Visible());
    EXPECT_EQ("Acme Displays", main_.lblOemTitle.Caption());
    EXPECT_EQ(SystemTop, main_.lblSystem.Top());

    basLOGO::CopyBranding(page_.Branding(), main_.Branding());
    EXPECT_TRUE(page_.lblOemTitle.Visible());
    EXPECT_EQ("Acme Displays", page_.lblOemTitle.Caption());
}

} // namespace
