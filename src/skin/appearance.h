#pragma once

#include <array>
#include <functional>
#include <string>

#include "base/bitmap.h"
#include "platform/file_system.h"
#include "platform/message_dialogs.h"
#include "skin/skin_drawing.h"
#include "skin/skin_shape.h"
#include "ui/layout_form.h"

namespace quorvel {

class Options;
class TextRasterizer;

// The program's look: the skin bitmap every window wears, the window shapes, the fog of
// an inactive application, the drawn title and the window drag.
class Appearance {
  public:
    // The windows in the program's order: main window, editor, options dialog, about box;
    // each has its picture `Image1` at (0, 0).
    enum WindowIndex { kMain, kEditor, kOptions, kAbout, kWindowCount };

    // The main window, and the designs of the dialogs, which are made as they are first
    // opened (AddWindow); a skin must hold the controls of every window.
    Appearance(LayoutForm& main, const FormLayout& editor, const FormLayout& options,
               const FormLayout& about, FileSystem& files, const Options& optionsFile,
               MessageDialogs& dialogs, TextRasterizer* text, std::string programFolder);
    ~Appearance();
    Appearance(const Appearance&) = delete;
    Appearance& operator=(const Appearance&) = delete;

    // As the main window is created: loads the skin the options name (a skin that cannot
    // be loaded is reported and a plain one of the layout's size used instead), sizes and
    // shapes the main window, reads the fog switch and connects every window.
    void Start();

    // A dialog just made: it is laid out at the current display scale and sized to the
    // skin, and from now on wears the skin like the windows made before it.
    void AddWindow(WindowIndex which, LayoutForm& form);

    // Loads the skin `name` (without ".jpg") and gives it to every window; the options
    // file then names it. The options dialog, open over the main window, shows the plain
    // new skin until its page is drawn again.
    void ChangeSkin(const std::string& name);

    // The main window's picture: the skin with the program's title; nothing while `held`
    // says so (a dialog is open over the main window and keeps it fogged).
    void MyForm();
    void HoldMainPictureWhile(std::function<bool()> held) { mainPictureHeld_ = std::move(held); }
    // The about page's title, taken each time the page is drawn (the current language's).
    void SetAboutTitleSource(std::function<std::string()> title) { aboutTitle_ = std::move(title); }
    // The fog over the main window's picture (nothing while the fog is switched off).
    void FogMainPicture();

    // Draws the editor's texts onto its picture (the skin, in the window font, black)
    // whenever the picture is made again: as it opens and as the application is activated.
    // `windowWidth` is in pixels.
    using PageTexts = std::function<void(PictureText& texts, int windowWidth)>;
    void SetEditorTexts(PageTexts draw) { editorTexts_ = std::move(draw); }
    // The same for the options dialog's current page.
    void SetOptionsTexts(PageTexts draw) { optionsTexts_ = std::move(draw); }
    // The options dialog's picture made again: the skin with its page's texts.
    void ShowOptionsPicture();

    // The windows were moved to a display of `scale`: every window, control, font and
    // picture is laid out again from the design, the skin resampled and the shapes cut
    // from it again. A skin too large for that scale (SkinTooLargeForScale) is reported and
    // the plain skin used instead.
    void SetScale(DisplayScale scale);

    const Bitmap& Skin() const { return skin_; }
    const FogRect& Fog() const { return fog_; }
    Color FogColour() const { return fogColour_; }
    bool FogSwitchedOff() const { return fogSwitchedOff_; }

  private:
    struct Window {
        const FormLayout* design;
        LayoutForm* form;  // null until made
        Picture* image;
        WindowDrag drag;
        // The picture is the window's own as last drawn, neither fogged nor left behind by
        // a change of skin or scale: the program's activation need not draw it again.
        bool current = false;
        // The window has the shape of the current skin at the current scale.
        bool shaped = false;
    };

    // Decodes the skin into the skin bitmap, which keeps its content when this fails.
    void LoadSkin(const std::string& path);
    // The skin as drawn, resampled to the current scale.
    Bitmap ScaledSkin() const;
    // The plain skin of the main window's design size.
    Bitmap PlainSkin() const;
    // Takes a skin as drawn and makes the skin of the current scale from it.
    void TakeSkin(Bitmap design);
    const Bitmap& DesignSkin() const { return designSkin_.Empty() ? skin_ : designSkin_; }
    // The size every window's controls need to lie on the picture.
    Size LeastSkinSize() const;
    void DrawMainPicture();
    void ActivateApp(Window& window, bool active);
    void Redraw(Window& window);
    void BeforeShow(Window& window);
    void FogPicture(Window& window);
    void ShowAboutPage();
    void ShowPage(Window& window, const PageTexts& texts);
    void TakeSkinSize();
    void Connect(Window& window);

    std::array<Window, kWindowCount> windows_;
    FileSystem& files_;
    const Options& optionsFile_;
    MessageDialogs& dialogs_;
    TextRasterizer* text_;
    std::string programFolder_;
    DisplayScale scale_;
    std::string skinPath_;  // the file the skin came from; empty for the plain skin
    Bitmap designSkin_;     // as drawn, for 96 DPI; empty at that scale, where skin_ is it
    Bitmap skin_;           // at the display's scale
    FogRect fog_;
    Color fogColour_ = kBlack;
    bool fogSwitchedOff_ = false;
    bool appActive_ = true;
    bool started_ = false;
    std::function<bool()> mainPictureHeld_;
    std::function<std::string()> aboutTitle_;
    PageTexts editorTexts_;
    PageTexts optionsTexts_;
};

// A skin picture becomes larger with the display's scale; beyond the largest skin read
// (kMaxSkinSide square) it could exhaust the memory of the 32-bit program, so such a skin
// is refused like a damaged one. Empty when a skin of `designSize` fits at `scale`; else
// the reason, naming `path`.
std::string SkinTooLargeForScale(Size designSize, DisplayScale scale, const std::string& path);

// The title the main window shows on its picture, and where.
inline constexpr std::string_view kProgramTitle = "Quorvel";
inline constexpr Point kProgramTitleAt{37, 2};

}  // namespace quorvel
