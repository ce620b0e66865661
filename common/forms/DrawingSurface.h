// A container that can be drawn on (a form or a picture box): lines, boxes
// and points in the container's unit. Drawing goes into a memory bitmap that
// is copied to the window on every repaint, so it survives being covered;
// it shows at the next message dispatch (DoEvents) or Refresh.
#pragma once

#include "Colors.h"
#include "Container.h"

namespace forms {

class DrawingSurface : public Container {
  public:
    ~DrawingSurface() override;

    // A line from (x1, y1) to (x2, y2), both ends included, in the fore
    // colour or the given one; the current position moves to the end.
    void Line(int x1, int y1, int x2, int y2);
    void Line(int x1, int y1, int x2, int y2, Color color);
    // A line from the current position.
    void LineTo(int x, int y);
    void LineTo(int x, int y, Color color);
    // The outline of the rectangle with corners (x1, y1) and (x2, y2).
    void Box(int x1, int y1, int x2, int y2);
    void Box(int x1, int y1, int x2, int y2, Color color);
    // The rectangle filled with the colour.
    void FilledBox(int x1, int y1, int x2, int y2, Color color);
    // One point, DrawWidth pixels across.
    void PSet(int x, int y);
    void PSet(int x, int y, Color color);
    // Erases all drawing; the current position goes back to (0, 0).
    void Cls();

    int DrawWidth() const { return surface_.drawWidth; }
    void SetDrawWidth(int pixels);
    Color ForeColor() const { return surface_.foreColor; }
    void SetForeColor(Color color) { surface_.foreColor = color; }
    int CurrentX() const { return currentX_; }
    int CurrentY() const { return currentY_; }
    void SetCurrentX(int x) { currentX_ = x; }
    void SetCurrentY(int y) { currentY_ = y; }

  protected:
    // Paints what an empty surface shows: back colour and picture.
    virtual void PaintSurfaceBase(HDC dc, int width, int height) = 0;
    // Paints the surface (drawing included) for the part `area` of the client.
    void PaintSurface(HDC dc, const RECT& area);
    // Drops all drawing (Cls, a new back colour or picture, unload).
    void DiscardDrawing();
    // Keeps the drawing when the client grows.
    void SurfaceResized();

    struct SurfaceProps {
        Color foreColor = kButtonText;
        int drawWidth = 1;
    };
    SurfaceProps surface_;
    SurfaceProps surfaceDesign_;

  private:
    bool EnsureCanvas();
    void DrawSegment(int x1, int y1, int x2, int y2, Color color);
    void DrawDot(int x, int y, Color color);
    void InvalidatePixels(int left, int top, int right, int bottom);
    void ReleaseCanvas();

    HDC canvasDc_ = nullptr;
    HBITMAP canvas_ = nullptr;
    HGDIOBJ originalBitmap_ = nullptr;
    int canvasWidth_ = 0;
    int canvasHeight_ = 0;
    int currentX_ = 0;
    int currentY_ = 0;
};

} // namespace forms
