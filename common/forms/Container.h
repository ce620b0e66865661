// Something that holds controls: a form, a frame or a picture box. It
// measures its controls' positions (and its drawing) in its own unit, twips
// or pixels, and paints what lies under its transparent controls.
#pragma once

#include <windows.h>

#include "Twips.h"

namespace forms {

class Form;

class Container {
  public:
    virtual ~Container() = default;

    ScaleMode ScaleUnit() const { return scaleUnit_; }
    void SetScaleUnit(ScaleMode unit) { scaleUnit_ = unit; }

    // The inner (client) size in the container's own unit.
    int ScaleWidth() const;
    int ScaleHeight() const;

    int ToPixelsX(int units) const;
    int ToPixelsY(int units) const;
    int FromPixelsX(int pixels) const;
    int FromPixelsY(int pixels) const;

    // The window that the controls are children of; null while not loaded.
    virtual HWND ContainerWindow() const = 0;
    virtual Form& OwnerForm() = 0;
    // Paints the container's own background (colour, picture, drawing) into
    // a DC whose origin is the container's client origin.
    virtual void PaintBackground(HDC dc) = 0;

  protected:
    // The client size in pixels, from the window or, before it exists, from
    // the designed size.
    virtual SIZE InnerPixels() const = 0;

  private:
    ScaleMode scaleUnit_ = ScaleMode::Twips;
};

} // namespace forms
