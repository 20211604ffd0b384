#include "skin/appearance.h"

#include <algorithm>
#include <exception>

#include "base/bitmap_resample.h"
#include "base/canvas.h"
#include "base/error.h"
#include "platform/error_report.h"
#include "settings/options.h"
#include "skin/skin_image.h"

namespace quorvel {

namespace {

// The about page's lines (the title comes first, centred a little to the left).
constexpr std::string_view kAboutTitle = "About the program";
constexpr std::string_view kAboutNotice = "Free for personal use";
constexpr std::string_view kAboutHomePage = "www.quorvel.net";
constexpr std::string_view kAboutContact = "mail@quorvel.net";

// Every window draws its texts in the window font, in black.
Font PictureFont() {
    Font font;
    font.color = kBlack;
    return font;
}

}  // namespace

std::string SkinTooLargeForScale(Size designSize, DisplayScale scale, const std::string& path) {
    const Size scaled = scale.Of(designSize);
    if (scaled.width <= kMaxSkinSide && scaled.height <= kMaxSkinSide) return {};
    return FormatText("The skin \"%s\" is too large for the display's scale", path) + " (at " +
           std::to_string(scale.Of(100)) + " % it would be " + std::to_string(scaled.width) +
           " x " + std::to_string(scaled.height) + " pixels, more than " +
           std::to_string(kMaxSkinSide) + " x " + std::to_string(kMaxSkinSide) + ")";
}

Appearance::Appearance(LayoutForm& main, const FormLayout& editor, const FormLayout& options,
                       const FormLayout& about, FileSystem& files, const Options& optionsFile,
                       MessageDialogs& dialogs, TextRasterizer* text, std::string programFolder)
    : windows_{{{&main.DesignLayout(), &main, main.FindControlAs<Picture>("Image1"), {}},
                {&editor, nullptr, nullptr, {}},
                {&options, nullptr, nullptr, {}},
                {&about, nullptr, nullptr, {}}}},
      files_(files),
      optionsFile_(optionsFile),
      dialogs_(dialogs),
      text_(text),
      programFolder_(std::move(programFolder)),
      scale_(main.Scale()) {}

Appearance::~Appearance() {
    // The windows outlive this object: they must not call back into it.
    for (Window& window : windows_) {
        if (!window.form) continue;
        window.form->Window().SetOnActivateApp({});
        window.form->SetBeforeShowModal({});
        window.form->Window().SetOnScaleChanged({});
        if (window.image) {
            window.image->SetOnMouseDown({});
            window.image->SetOnMouseMove({});
            window.image->SetOnMouseUp({});
        }
    }
}

Bitmap Appearance::PlainSkin() const {
    const Size plainSize = windows_[kMain].form->DesignLayout().clientSize;
    return Bitmap(plainSize.width, plainSize.height, kPlainPictureColor);
}

void Appearance::Start() {
    TakeSkin(PlainSkin());
    try {
        LoadSkin(programFolder_ + optionsFile_.Read(option::kFileSkin));
    } catch (const std::exception& error) {
        // The program stays usable with the plain skin; the options file is left as it is.
        ShowErrorReport(dialogs_, error.what());
    }
    try {
        fogSwitchedOff_ = optionsFile_.Read(option::kDisableFormFog);
    } catch (const std::exception& error) {
        ShowErrorReport(dialogs_, error.what());
    }
    Form& main = windows_[kMain].form->Window();
    main.SetClientSize({skin_.Width(), skin_.Height()});
    main.SetRegion(RegionFromSkin(skin_));
    windows_[kMain].shaped = true;
    fog_ = {0, 0, skin_.Width(), skin_.Height()};
    DrawMainPicture();
    fogColour_ = FogColourOf(windows_[kMain].image->Image());

    started_ = true;
    for (Window& window : windows_) Connect(window);
}

void Appearance::Connect(Window& window) {
    if (!window.form || !window.image) return;
    window.drag.Attach(*window.image, window.form->Window());
    window.form->Window().SetOnActivateApp(
        [this, &window](bool active) { ActivateApp(window, active); });
    window.form->Window().SetOnScaleChanged([this](DisplayScale scale) { SetScale(scale); });
    if (&window != &windows_[kMain])
        window.form->SetBeforeShowModal([this, &window] { BeforeShow(window); });
}

void Appearance::AddWindow(WindowIndex which, LayoutForm& form) {
    Window& window = windows_[which];
    window.form = &form;
    window.image = form.FindControlAs<Picture>("Image1");
    form.SetScale(scale_);
    if (!started_) return;  // Start connects it with the others
    form.Window().SetClientSize({skin_.Width(), skin_.Height()});
    Connect(window);
}

Size Appearance::LeastSkinSize() const {
    Size least{};
    for (const Window& window : windows_) {
        for (const ControlLayout& control : window.design->controls) {
            if (control.kind == ControlKind::kPicture && control.autoSize) continue;
            least.width = std::max(least.width, control.bounds.left + control.bounds.width);
            least.height = std::max(least.height, control.bounds.top + control.bounds.height);
        }
    }
    return least;
}

void Appearance::LoadSkin(const std::string& path) {
    Bitmap picture;
    LoadSkinImage(files_, path, picture);
    // A picture the windows' controls do not fit on would leave them hanging off the
    // window's shape: refused like a damaged file.
    const Size least = LeastSkinSize();
    if (picture.Width() < least.width || picture.Height() < least.height) {
        throw Error(FormatText("The skin \"%s\" is too small for the program's windows", path) +
                    " (it must be at least " + std::to_string(least.width) + " x " +
                    std::to_string(least.height) + " pixels)");
    }
    const std::string tooLarge =
        SkinTooLargeForScale({picture.Width(), picture.Height()}, scale_, path);
    if (!tooLarge.empty()) throw Error(tooLarge);
    skinPath_ = path;
    TakeSkin(std::move(picture));
}

void Appearance::TakeSkin(Bitmap design) {
    // At the design's scale the skin is the picture as drawn: it is not kept twice.
    if (scale_.dpi == DisplayScale::kDesignDpi) {
        skin_ = std::move(design);
        designSkin_ = Bitmap();
    } else {
        designSkin_ = std::move(design);
        skin_ = ScaledSkin();
    }
}

Bitmap Appearance::ScaledSkin() const {
    // The skin is drawn for 96 DPI; on a denser display it is scaled with the windows, so
    // the shape cut from it and the buttons tinted from it follow the scaled controls.
    // Always from the picture as drawn, so a window that comes back to its first display
    // looks exactly as it did.
    const Bitmap& design = DesignSkin();
    return Resampled(design, scale_.Of(design.Width()), scale_.Of(design.Height()));
}

void Appearance::SetScale(DisplayScale scale) {
    // The windows are one family that opens over the main window: a move of any of them
    // to another display lays all of them out again.
    std::string refused;
    if (scale != scale_) {
        Bitmap design = std::move(designSkin_.Empty() ? skin_ : designSkin_);
        scale_ = scale;
        refused = SkinTooLargeForScale({design.Width(), design.Height()}, scale, skinPath_);
        if (!refused.empty()) {
            design = PlainSkin();
            skinPath_.clear();
        }
        TakeSkin(std::move(design));
        for (Window& window : windows_) {
            window.current = false;
            if (window.form) window.form->SetScale(scale);
        }
        fog_ = {0, 0, skin_.Width(), skin_.Height()};
        const std::vector<RowRun> shape = RegionFromSkin(skin_);
        for (Window& window : windows_) {
            if (!window.form) continue;
            Form& form = window.form->Window();
            // A hidden dialog takes its shape and picture as it opens.
            window.shaped = &window == &windows_[kMain] || form.Visible();
            if (window.shaped) form.SetRegion(shape);
        }
    }
    // Even on the same scale: the system's suggested size need not be the skin's.
    for (Window& window : windows_)
        if (window.form) window.form->Window().SetClientSize({skin_.Width(), skin_.Height()});
    DrawMainPicture();
    // A dialog open over it keeps the main window fogged, as does an inactive program.
    if ((mainPictureHeld_ && mainPictureHeld_()) || !appActive_) FogMainPicture();
    for (WindowIndex index : {kEditor, kOptions, kAbout}) {
        Window& window = windows_[index];
        if (window.form && window.form->Window().Visible()) Redraw(window);
    }
    if (!refused.empty()) {
        // Told once the windows are whole again; the options file keeps naming the skin.
        fogColour_ = FogColourOf(skin_);
        ShowErrorReport(dialogs_, refused);
    }
}

void Appearance::MyForm() {
    if (mainPictureHeld_ && mainPictureHeld_()) return;
    DrawMainPicture();
}

void Appearance::FogMainPicture() {
    FogPicture(windows_[kMain]);
}

void Appearance::DrawMainPicture() {
    Window& main = windows_[kMain];
    Bitmap picture = skin_;
    Canvas canvas(picture, text_);
    PictureText(canvas, scale_, PictureFont())
        .Draw(kProgramTitleAt.x, kProgramTitleAt.y, kProgramTitle);
    main.image->SetImage(picture);
    main.current = true;
}

void Appearance::ShowAboutPage() {
    Window& about = windows_[kAbout];
    Bitmap picture = skin_;
    Canvas canvas(picture, text_);
    PictureText texts(canvas, scale_, PictureFont());
    const int width = about.form->Window().ClientSize().width;
    const std::string title = aboutTitle_ ? aboutTitle_() : std::string(kAboutTitle);
    texts.Draw(texts.CentredX(title, width) - 28, 2, title);
    texts.Draw(12, 70, kAboutNotice);
    texts.Draw(texts.CentredX(kAboutHomePage, width) - 3, 93, kAboutHomePage);
    texts.Draw(texts.CentredX(kAboutContact, width), 117, kAboutContact);
    about.image->SetImage(picture);
    about.current = true;
}

void Appearance::ShowPage(Window& window, const PageTexts& texts) {
    Bitmap picture = skin_;
    if (texts) {
        Canvas canvas(picture, text_);
        PictureText pictureText(canvas, scale_, PictureFont());
        texts(pictureText, window.form->Window().ClientSize().width);
    }
    window.image->SetImage(picture);
    window.current = true;
}

void Appearance::ShowOptionsPicture() {
    ShowPage(windows_[kOptions], optionsTexts_);
}

void Appearance::Redraw(Window& window) {
    if (&window == &windows_[kMain]) {
        MyForm();
    } else if (&window == &windows_[kAbout]) {
        ShowAboutPage();
    } else {
        ShowPage(window, &window == &windows_[kEditor] ? editorTexts_ : optionsTexts_);
    }
}

void Appearance::BeforeShow(Window& window) {
    // Every dialog is cut from the skin itself. (The main window's picture carries its
    // title, whose dark letters match the key colour: cut from it, the options dialog had
    // see-through holes where the title lies.)
    if (!window.shaped) window.form->Window().SetRegion(RegionFromSkin(skin_));
    window.shaped = true;
    Redraw(window);
}

void Appearance::FogPicture(Window& window) {
    Bitmap picture = window.image->Image();
    DrawFog(fog_, picture, fogColour_, fogSwitchedOff_);
    window.image->SetImage(picture);
    window.current = false;
}

void Appearance::ActivateApp(Window& window, bool active) {
    appActive_ = active;
    if (!active) {
        if (!fogSwitchedOff_) FogPicture(window);
        return;
    }
    // The first activation at start found the pictures just drawn.
    if (!window.current) Redraw(window);
}

void Appearance::ChangeSkin(const std::string& name) {
    const std::string file = name + ".jpg";
    LoadSkin(programFolder_ + file);  // an error stops here: nothing else has changed
    for (Window& window : windows_) window.current = window.shaped = false;
    optionsFile_.Write(option::kFileSkin, file);
    const std::vector<RowRun> shape = RegionFromSkin(skin_);
    windows_[kMain].form->Window().SetRegion(shape);
    windows_[kMain].shaped = true;
    Window& options = windows_[kOptions];
    options.image->SetImage(skin_);
    options.form->Window().SetRegion(shape);
    options.shaped = true;
    DrawMainPicture();
    const Size size{skin_.Width(), skin_.Height()};
    options.form->Window().SetClientSize(size);
    for (WindowIndex index : {kMain, kEditor, kAbout})
        if (LayoutForm* form = windows_[index].form)
            form->Window().SetClientSize(options.form->Window().ClientSize());
    fog_ = {0, 0, skin_.Width(), skin_.Height()};
    fogColour_ = FogColourOf(windows_[kMain].image->Image());
    // The main window lies behind the still-open options dialog: it is shown fogged.
    FogPicture(windows_[kMain]);
}

}  // namespace quorvel
