// A top-level window with named controls and event handlers. A program's
// window is a class derived from Form, named after the window, holding its
// controls as members and overriding the Form_... handlers it needs:
//
//   class frmMain : public forms::Form {
//     public:
//       frmMain() : Form("frmMain") {
//           cmdApply.SetCaption("&Apply");
//           cmdApply.OnClick = [this] { cmdApply_Click(); };
//       }
//       forms::CommandButton cmdApply{*this, "cmdApply"};
//     private:
//       void Form_Load() override;
//       void cmdApply_Click();
//   };
//
// What is set before the first load (constructor, Form_Initialize) is the
// design: every later load starts from it again. The window and its
// controls are created, and Form_Load runs, at the first Show, Load or
// hWnd; Unload destroys them but keeps the object, which must outlive its
// window. Left/Top/Width/Height are the outer window in twips; the inner
// area (ScaleWidth/ScaleHeight), the controls and the drawing count in the
// form's scale unit (twips, or pixels with SetScaleUnit). A loaded form
// reads back whole pixels: 1702 twips read 1695.
// Form_Activate runs when the form is shown and whenever it becomes the
// active window after another form of the program was; Form_Resize when
// its size changes and once when it is first shown.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Colors.h"
#include "DrawingSurface.h"
#include "FontInfo.h"
#include "Styles.h"

namespace forms {

class Control;

enum class WindowState { Normal, Minimized, Maximized };
// Why a form unloads, as Form_QueryUnload is told.
enum class UnloadMode { CloseBox = 0, Code = 1 };

class Form : public DrawingSurface {
  public:
    explicit Form(std::string name);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Name() const { return name_; }
    // The window; loads the form when it is not loaded.
    HWND hWnd();
    bool IsLoaded() const { return loaded_; }

    // Creates the window and controls and runs Form_Load, unless loaded
    // already. False when the form is not loaded afterwards (Form_Load
    // unloaded it or ended the program).
    bool Load();
    // Loads when needed, shows the window (modeless) and activates it.
    void Show();
    // Loads when needed and hides the window.
    void Hide();
    // Runs Form_QueryUnload and Form_Unload; unless one of them cancels,
    // destroys the window. True when the form is unloaded afterwards.
    bool Unload();
    // Repaints the window and its controls now.
    void Refresh();

    const std::string& Caption() const { return props_.caption; }
    void SetCaption(const std::string& caption);
    bool Visible() const;
    void SetVisible(bool visible);
    BorderStyle Border() const { return props_.border; }
    void SetBorder(BorderStyle border);
    forms::WindowState State() const { return props_.state; }
    void SetState(forms::WindowState state);
    Color BackColor() const { return props_.backColor; }
    void SetBackColor(Color color);
    // With key preview the form's key events run before those of the control
    // that has the focus; a handler setting the key to 0 keeps it from the
    // control.
    bool KeyPreview() const { return props_.keyPreview; }
    void SetKeyPreview(bool preview) { props_.keyPreview = preview; }

    // Outer position and size in twips.
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

    // The form's font, used by TextWidth and TextHeight.
    // Size of a text in the form's font, in the form's unit.
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;

    // The controls in tab order, and one by name ("optMode(2)" for an
    // array element); null when there is none.
    const std::vector<Control*>& Controls() const { return controls_; }
    Control* FindControl(const std::string& fullName) const;

    // The loaded forms, in load order.
    static const std::vector<Form*>& LoadedForms();

    HWND ContainerWindow() const override { return hwnd_; }
    Form& OwnerForm() override { return *this; }
    void PaintBackground(HDC dc) override;

  protected:
    // Event handlers; the defaults do nothing.
    virtual void Form_Initialize() {} // once, before the first load
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Resize() {}
    // Setting cancel keeps the form loaded.
    virtual void Form_QueryUnload(bool& /*cancel*/, UnloadMode /*mode*/) {}
    virtual void Form_Unload(bool& /*cancel*/) {}
    virtual void Form_KeyDown(int& /*keyCode*/, int /*shift*/) {}
    virtual void Form_KeyPress(int& /*keyAscii*/) {}
    virtual void Form_KeyUp(int& /*keyCode*/, int /*shift*/) {}
    virtual void Form_MouseDown(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {}
    virtual void Form_MouseMove(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {}
    virtual void Form_MouseUp(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {}

    SIZE InnerPixels() const override;
    void PaintSurfaceBase(HDC dc, int width, int height) override;

  private:
    friend class Control;
    friend void EndProgram(int exitCode);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleMouse(UINT message, WPARAM wParam, LPARAM lParam);

    // Puts the control in its place in the tab order (after those of its
    // tab index), or takes it out.
    void Register(Control* control);
    void Unregister(Control* control);
    bool CreateFormWindow();
    void CreateControlWindows();
    void LayoutAlignedBoxes();
    // Destroys the window without unload events.
    void DestroyForm();
    // Bookkeeping once the window is gone, however it went.
    void WindowGone();
    bool UnloadFor(UnloadMode mode);
    void FireResize();
    void FireActivate();
    bool FocusFirstControl();
    void RememberFocus();
    // Moves the focus from `from` (or the current focus) to the next control
    // that can take it, backwards with `backwards`; to the form itself when
    // none can.
    void MoveFocus(Control* from, bool backwards);
    // Alt with a letter: the control whose caption marks it; true when found.
    bool HandleAccessKey(int character);
    // Key preview from a control's window.
    void PreviewKey(UINT message, int& key);
    RECT OuterPixels() const;

    struct Props {
        std::string caption;
        int left = 0;
        int top = 0;
        int width = 4800;
        int height = 3600;
        BorderStyle border = BorderStyle::FixedSingle;
        forms::WindowState state = forms::WindowState::Normal;
        Color backColor = kButtonFace;
        bool keyPreview = false;
        FontInfo font = FontInfo::Default();
    };

    std::string name_;
    Props props_;
    Props design_;
    bool initialized_ = false;
    std::vector<Control*> controls_;
    HWND hwnd_ = nullptr;
    HWND lastFocus_ = nullptr;
    bool loaded_ = false;
    bool loading_ = false;
    bool unloading_ = false;
    bool shownSinceLoad_ = false;
    int resizeCount_ = 0;
};

} // namespace forms
