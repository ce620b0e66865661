// A text on the form. Words wrap at the label's width; "&" marks an access
// key, so "&&" shows one "&". Transparent, the container (and the labels,
// shapes and images below) show through around the text.
// Events: OnClick, OnDblClick, OnMouseDown, OnMouseMove, OnMouseUp.
#pragma once

#include <string>

#include "Control.h"
#include "Styles.h"

namespace forms {

class Label : public Control {
  public:
    Label(Container& parent, std::string name, int index = -1);

    const std::string& Caption() const { return props_.caption; }
    void SetCaption(const std::string& caption);
    forms::BackStyle GetBackStyle() const { return props_.back; }
    void SetBackStyle(forms::BackStyle back);
    BorderStyle Border() const { return props_.border; }
    void SetBorder(BorderStyle border);
    Alignment TextAlign() const { return props_.align; }
    void SetTextAlign(Alignment align);
    // The label takes the size of its text: wider with long text, or, with
    // word wrap, taller at its width.
    bool AutoSize() const { return props_.autoSize; }
    void SetAutoSize(bool autoSize);
    bool WordWrap() const { return props_.wordWrap; }
    void SetWordWrap(bool wordWrap);

  protected:
    HWND CreateNativeWindow(HWND parent, const RECT& pixels, DWORD style) override;
    void AfterCreate() override { FitToText(); }
    bool IsWindowless() const override { return true; }
    void PaintContent(HDC dc) override;
    void FontChanged() override;
    // The text's lines, where the twips came a pixel a line short of them.
    SIZE WindowSizeFor(int widthPixels, int heightPixels) const override;
    std::string AccessCaption() const override { return props_.caption; }
    void SaveOwnDesign() override { design_ = props_; }
    void RestoreOwnDesign() override { props_ = design_; }

  private:
    void FitToText();
    int BorderPixels() const;
    UINT TextFormat() const;

    struct Props {
        std::string caption;
        forms::BackStyle back = forms::BackStyle::Opaque;
        BorderStyle border = BorderStyle::None;
        Alignment align = Alignment::Left;
        bool autoSize = false;
        bool wordWrap = false;
    };
    Props props_;
    Props design_;
};

} // namespace forms
