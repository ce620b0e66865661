// What option buttons and check boxes share: a caption beside a mark, drawn
// in the control's fore colour on its back colour, and a checked state.
#pragma once

#include <string>

#include "Control.h"

namespace forms {

class CheckableButton : public Control {
  public:
    const std::string& Caption() const { return props_.caption; }
    void SetCaption(const std::string& caption);

  protected:
    CheckableButton(Container& parent, std::string name, int index, DWORD buttonStyle);

    bool Checked() const { return props_.checked; }
    // Stores the state and shows it; true when it changed.
    bool StoreChecked(bool checked);
    // The user clicked the control.
    virtual void UserClicked() = 0;

    HWND CreateNativeWindow(HWND parent, const RECT& pixels, DWORD style) override;
    bool IsTabStop() const override { return true; }
    bool RaisesClickOnMouseUp() const override { return false; }
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    std::string AccessCaption() const override { return props_.caption; }
    void AccessKeyPressed() override {
        SetFocus();
        UserClicked();
    }
    void SaveOwnDesign() override { design_ = props_; }
    void RestoreOwnDesign() override { props_ = design_; }

  private:
    struct Props {
        std::string caption;
        bool checked = false;
    };
    Props props_;
    Props design_;
    DWORD buttonStyle_;
};

} // namespace forms
