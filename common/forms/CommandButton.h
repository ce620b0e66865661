// A push button. Shows its caption ("&" marks the access key) or, when it
// has one, a picture (icon or bitmap) instead.
// Events: OnClick (mouse or Space), OnMouseDown, OnMouseMove, OnMouseUp
// (any button, in the order down, up, click), OnKeyDown/Press/Up.
#pragma once

#include <string>

#include "Control.h"
#include "Picture.h"

namespace forms {

class CommandButton : public Control {
  public:
    CommandButton(Container& parent, std::string name, int index = -1);

    const std::string& Caption() const { return props_.caption; }
    void SetCaption(const std::string& caption);
    const PicturePtr& Picture() const { return props_.picture; }
    void SetPicture(PicturePtr picture);

  protected:
    HWND CreateNativeWindow(HWND parent, const RECT& pixels, DWORD style) override;
    void AfterCreate() override;
    bool IsTabStop() const override { return true; }
    bool RaisesClickOnMouseUp() const override { return false; }
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    std::string AccessCaption() const override { return props_.caption; }
    void AccessKeyPressed() override;
    void SaveOwnDesign() override { design_ = props_; }
    void RestoreOwnDesign() override { props_ = design_; }

  private:
    void ApplyPicture();

    struct Props {
        std::string caption;
        PicturePtr picture;
    };
    Props props_;
    Props design_;
};

} // namespace forms
