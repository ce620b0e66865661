// A horizontal scroll bar with a value between Min and Max.
// Events: OnChange when the value changes, by the user (arrows, page
// clicks, the end of a thumb drag) or by code; OnScroll while the thumb is
// dragged, with Value already at the thumb's position.
#pragma once

#include "Control.h"
#include "Events.h"

namespace forms {

class HScrollBar : public Control {
  public:
    HScrollBar(Container& parent, std::string name, int index = -1);

    // Values are 16-bit, as the bar's messages carry them. A Max below Min
    // counts as Min.
    int Min() const { return props_.min; }
    void SetMin(int min);
    int Max() const { return props_.max; }
    void SetMax(int max);
    int SmallChange() const { return props_.smallChange; }
    void SetSmallChange(int step) { props_.smallChange = step; }
    int LargeChange() const { return props_.largeChange; }
    void SetLargeChange(int step) { props_.largeChange = step; }
    int Value() const { return props_.value; }
    // Values outside Min..Max are taken to the nearer end.
    void SetValue(int value);

    EventHandler OnChange;
    EventHandler OnScroll;

  protected:
    HWND CreateNativeWindow(HWND parent, const RECT& pixels, DWORD style) override;
    void AfterCreate() override;
    bool IsTabStop() const override { return true; }
    bool RaisesClickOnMouseUp() const override { return false; }
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void SaveOwnDesign() override { design_ = props_; }
    void RestoreOwnDesign() override { props_ = design_; }

  private:
    int Clamp(int value) const;
    // Stores the value and moves the thumb; true when it changed.
    bool Store(int value);
    void ApplyRange();

    struct Props {
        int min = 0;
        int max = 32767;
        int smallChange = 1;
        int largeChange = 1;
        int value = 0;
    };
    Props props_;
    Props design_;
    bool dragging_ = false;
    int valueBeforeDrag_ = 0;
};

} // namespace forms
