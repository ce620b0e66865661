// An image: shows a picture (icon or bitmap) on the container, at the
// picture's size.
// Events: OnClick, OnDblClick, OnMouseDown, OnMouseMove, OnMouseUp.
#pragma once

#include "Control.h"
#include "Picture.h"

namespace forms {

class Image : public Control {
  public:
    Image(Container& parent, std::string name, int index = -1);

    const PicturePtr& Picture() const { return props_.picture; }
    void SetPicture(PicturePtr picture);

  protected:
    HWND CreateNativeWindow(HWND parent, const RECT& pixels, DWORD style) override;
    void AfterCreate() override { FitToPicture(); }
    bool IsWindowless() const override { return true; }
    void PaintContent(HDC dc) override;
    void SaveOwnDesign() override { design_ = props_; }
    void RestoreOwnDesign() override { props_ = design_; }

  private:
    void FitToPicture();

    struct Props {
        PicturePtr picture;
    };
    Props props_;
    Props design_;
};

} // namespace forms
