// A picture box: a drawing surface (lines, boxes, points; see
// DrawingSurface) that can show a BMP picture at its top-left corner and
// hold controls. Its unit (SetScaleUnit) measures its drawing, its
// controls and the X and Y of its own mouse events; its ForeColor is the
// drawing colour. A new back colour or picture erases the drawing.
// Events: OnResize (when its size changes, and once when the form is first
// shown), OnClick, OnDblClick, mouse and key events.
#pragma once

#include "Control.h"
#include "DrawingSurface.h"
#include "Events.h"
#include "Picture.h"
#include "Styles.h"

namespace forms {

class PictureBox : public Control, public DrawingSurface {
  public:
    PictureBox(Container& parent, std::string name, int index = -1);

    using DrawingSurface::ForeColor;
    using DrawingSurface::SetForeColor;

    const PicturePtr& Picture() const { return props_.picture; }
    void SetPicture(PicturePtr picture);
    // The box takes the size of its picture (plus its border).
    bool AutoSize() const { return props_.autoSize; }
    void SetAutoSize(bool autoSize);
    BorderStyle Border() const { return props_.border; }
    void SetBorder(BorderStyle border);
    AlignMode Align() const { return props_.align; }
    void SetAlign(AlignMode align);

    EventHandler OnResize;

    HWND ContainerWindow() const override { return hWnd(); }
    Form& OwnerForm() override { return ParentForm(); }
    void PaintBackground(HDC dc) override;

  protected:
    HWND CreateNativeWindow(HWND parent, const RECT& pixels, DWORD style) override;
    void AfterCreate() override;
    bool IsTabStop() const override { return true; }
    AlignMode AlignedTo() const override { return props_.align; }
    const Container& MouseUnits() const override { return *this; }
    void PaintWindow(HDC dc) override;
    void PaintSurfaceBase(HDC dc, int width, int height) override;
    SIZE InnerPixels() const override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void ColorsChanged() override;
    void FormFirstShown() override;
    void AfterDestroy() override { DiscardDrawing(); }
    void SaveOwnDesign() override;
    void RestoreOwnDesign() override;

  private:
    void FitToPicture();
    int BorderPixels() const;
    void FireResize();

    struct Props {
        PicturePtr picture;
        bool autoSize = false;
        BorderStyle border = BorderStyle::FixedSingle;
        AlignMode align = AlignMode::None;
    };
    Props props_;
    Props design_;
    bool resizedSinceLoad_ = false;
};

} // namespace forms
