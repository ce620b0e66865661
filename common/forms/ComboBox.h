// A drop-down list: the user can only choose one of its items.
// Events: OnClick when the selection changes, by the user or by code; key
// events.
#pragma once

#include <string>
#include <vector>

#include "Control.h"

namespace forms {

class ComboBox : public Control {
  public:
    ComboBox(Container& parent, std::string name, int index = -1);

    void AddItem(const std::string& item);
    // Removes every item; the selection becomes -1 (no Click).
    void Clear();
    int ListCount() const { return static_cast<int>(props_.items.size()); }
    // The item's text; empty for a number the list does not have.
    std::string List(int index) const;
    // The selected item, -1 for none.
    int ListIndex() const { return props_.listIndex; }
    // Selects the item (-1: none). A number the list does not have leaves
    // the selection as it is and returns false.
    bool SetListIndex(int index);
    // The selected item's text; empty when none is selected.
    std::string Text() const { return List(props_.listIndex); }

  protected:
    HWND CreateNativeWindow(HWND parent, const RECT& pixels, DWORD style) override;
    bool IsTabStop() const override { return true; }
    bool RaisesClickOnMouseUp() const override { return false; }
    SIZE WindowSizeFor(int widthPixels, int heightPixels) const override;
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void SaveOwnDesign() override { design_ = props_; }
    void RestoreOwnDesign() override { props_ = design_; }

  private:
    struct Props {
        std::vector<std::string> items;
        int listIndex = -1;
    };
    Props props_;
    Props design_;
};

} // namespace forms
