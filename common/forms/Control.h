// The base of every control: a child window of a form, a frame or a picture
// box, with a name, a position in its container's unit, visibility, enabled
// state, colours, font, and the mouse and key events. Controls are members of
// their form class and are created, in tab order, when the form loads.
#pragma once

#include <windows.h>

#include <string>

#include "Colors.h"
#include "Container.h"
#include "Events.h"
#include "FontInfo.h"

namespace forms {

class Form;

// Where a picture box docks in its form: along the top or the bottom edge,
// as wide as the form's inner area.
enum class AlignMode { None, Top, Bottom };

class Control {
  public:
    // index is the element number in a control array, -1 for a single control.
    Control(Container& parent, std::string name, int index = -1);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    int Index() const { return index_; }
    // The name other processes read: "cmdApply", or "optMode(2)" in an array.
    std::string FullName() const;
    // Null while the form is not loaded.
    HWND hWnd() const { return hwnd_; }
    Container& Parent() const { return parent_; }
    Form& ParentForm() const { return form_; }

    // Outer position and size in the container's unit.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);
    void Move(int left, int top);
    void Move(int left, int top, int width, int height);

    bool Visible() const { return common_.visible; }
    void SetVisible(bool visible);
    bool Enabled() const { return common_.enabled; }
    void SetEnabled(bool enabled);
    void SetFocus();
    // The tab order, which is also the order in which the windows are made
    // and stacked: by ascending tab index, and among equal indices in the
    // order the controls got theirs (declaration order for the default 0).
    // Design: set before the form loads, and keep each control behind its
    // container in that order.
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int index);
    // Repaints the control now.
    void Refresh();

    Color ForeColor() const { return common_.foreColor; }
    void SetForeColor(Color color);
    Color BackColor() const { return common_.backColor; }
    void SetBackColor(Color color);

    const std::string& FontName() const { return common_.font.name; }
    int FontSize() const { return common_.font.size; }
    bool FontBold() const { return common_.font.bold; }
    bool FontItalic() const { return common_.font.italic; }
    void SetFontName(const std::string& name);
    void SetFontSize(int points);
    void SetFontBold(bool bold);
    void SetFontItalic(bool italic);

    // Events. Which of them a kind of control raises is said in its header.
    EventHandler OnClick;
    EventHandler OnDblClick;
    MouseHandler OnMouseDown;
    MouseHandler OnMouseMove;
    MouseHandler OnMouseUp;
    KeyHandler OnKeyDown;
    KeyHandler OnKeyUp;
    KeyPressHandler OnKeyPress;

  protected:
    struct CommonProps {
        int left = 0;
        int top = 0;
        int width = 1215;
        int height = 375;
        bool visible = true;
        bool enabled = true;
        Color foreColor = kButtonText;
        Color backColor = kButtonFace;
        FontInfo font = FontInfo::Default();
    };

    // Creates the window (visible, enabled and tab-stop bits already in
    // `style`); a custom control uses CreateCustomWindow, a system control
    // CreateSystemWindow.
    virtual HWND CreateNativeWindow(HWND parent, const RECT& pixels, DWORD style) = 0;
    HWND CreateCustomWindow(HWND parent, const RECT& pixels, DWORD style, DWORD exStyle,
                            const std::string& text);
    HWND CreateSystemWindow(const char* className, HWND parent, const RECT& pixels, DWORD style,
                            DWORD exStyle, const std::string& text);
    // Runs after the window exists: applies what creation did not.
    virtual void AfterCreate() {}
    // Called when the window has been destroyed (the form unloads).
    virtual void AfterDestroy() {}

    // Drawn under windowed controls and composed with the container's
    // background: labels, shapes, images.
    virtual bool IsWindowless() const { return false; }
    virtual bool IsTabStop() const { return false; }
    virtual AlignMode AlignedTo() const { return AlignMode::None; }
    // Click comes from mouse-up inside the control (system buttons raise it
    // themselves).
    virtual bool RaisesClickOnMouseUp() const { return true; }
    // Units of the X and Y that the mouse events carry.
    virtual const Container& MouseUnits() const { return parent_; }
    // The window size in pixels for a designed size (a drop-down list adds
    // its list).
    virtual SIZE WindowSizeFor(int widthPixels, int heightPixels) const;

    // Paints the control's own content into a DC whose origin is its top-left
    // (windowless controls; also used to compose siblings above them).
    virtual void PaintContent(HDC dc);
    // Paints the window; the default composes what lies beneath, then the
    // content.
    virtual void PaintWindow(HDC dc);
    // Repaints the control and whatever lies above it in the container.
    void InvalidateVisual();

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    // A notification the container passes on from this control's window
    // (WM_COMMAND, WM_HSCROLL, WM_CTLCOLOR...); true when handled.
    virtual bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // For containers: passes such a notification to the child it came from.
    static bool RouteToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The font changed (also at creation for system controls).
    virtual void FontChanged();
    virtual void ColorsChanged();
    virtual void GeometryChanged() {}
    // The form is shown for the first time since it loaded.
    virtual void FormFirstShown() {}

    // The caption whose "&" marks the control's access key, and what the key
    // does; the default moves the focus to the next control (as for a label
    // naming the control after it).
    virtual std::string AccessCaption() const { return {}; }
    virtual void AccessKeyPressed();

    virtual void SaveOwnDesign() {}
    virtual void RestoreOwnDesign() {}

    RECT PixelRectInParent() const;
    static Control* FromWindow(HWND window);

    CommonProps common_;

  private:
    friend class Form;
    static LRESULT CALLBACK CustomProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    void CreateWindowNow();
    void DestroyWindowNow();
    void Detach();
    void SaveDesign();
    void RestoreDesign();
    void PaintUnderneath(HDC dc);
    bool HandleMouse(UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleKey(UINT message, WPARAM& wParam);
    void ApplyGeometry();

    Container& parent_;
    Form& form_;
    std::string name_;
    int index_;
    int tabIndex_ = 0;
    HWND hwnd_ = nullptr;
    WNDPROC systemProc_ = nullptr;
    CommonProps commonDesign_;
    bool designSaved_ = false;
    int buttonsDown_ = 0;
};

} // namespace forms
