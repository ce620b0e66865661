// A rectangle drawn on the container: an outline in the border colour,
// optionally filled. It takes no mouse input: clicks reach what lies below.
#pragma once

#include "Colors.h"
#include "Control.h"
#include "Styles.h"

namespace forms {

class Shape : public Control {
  public:
    Shape(Container& parent, std::string name, int index = -1);

    Color BorderColor() const { return props_.borderColor; }
    void SetBorderColor(Color color);
    Color FillColor() const { return props_.fillColor; }
    void SetFillColor(Color color);
    FillStyle Fill() const { return props_.fill; }
    void SetFill(FillStyle fill);
    // Opaque, the shape paints its back colour under the fill and outline.
    forms::BackStyle GetBackStyle() const { return props_.back; }
    void SetBackStyle(forms::BackStyle back);

  protected:
    HWND CreateNativeWindow(HWND parent, const RECT& pixels, DWORD style) override;
    bool IsWindowless() const override { return true; }
    void PaintContent(HDC dc) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void SaveOwnDesign() override { design_ = props_; }
    void RestoreOwnDesign() override { props_ = design_; }

  private:
    struct Props {
        Color borderColor = kWindowText;
        Color fillColor = kBlack;
        FillStyle fill = FillStyle::Transparent;
        forms::BackStyle back = forms::BackStyle::Transparent;
    };
    Props props_;
    Props design_;
};

} // namespace forms
