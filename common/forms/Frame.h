// A frame: a captioned group box that holds controls. Positions inside it
// are in twips from its top-left corner; option buttons inside form a group
// of their own.
#pragma once

#include <string>

#include "Container.h"
#include "Control.h"

namespace forms {

class Frame : public Control, public Container {
  public:
    Frame(Container& parent, std::string name, int index = -1);

    const std::string& Caption() const { return props_.caption; }
    void SetCaption(const std::string& caption);

    HWND ContainerWindow() const override { return hWnd(); }
    Form& OwnerForm() override { return ParentForm(); }
    void PaintBackground(HDC dc) override;

  protected:
    HWND CreateNativeWindow(HWND parent, const RECT& pixels, DWORD style) override;
    void PaintWindow(HDC dc) override;
    SIZE InnerPixels() const override;
    std::string AccessCaption() const override { return props_.caption; }
    void SaveOwnDesign() override { design_ = props_; }
    void RestoreOwnDesign() override { props_ = design_; }

  private:
    struct Props {
        std::string caption;
    };
    Props props_;
    Props design_;
};

} // namespace forms
