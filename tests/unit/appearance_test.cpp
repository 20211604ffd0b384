// The program's look on the four windows through the fake toolkit: skin at start, the
// plain skin after a bad file, shapes, the fog on activation changes, the drag, the
// tinted button frames and the skin change.
#include "skin/appearance.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/program.h"
#include "base/error.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_services.h"
#include "fakes/fake_text_rasterizer.h"
#include "fakes/fake_toolkit.h"
#include "fakes/test_jpeg.h"
#include "settings/options.h"

namespace quorvel {
namespace {

using ::testing::IsEmpty;
using ::testing::SizeIs;

constexpr char kFolder[] = "C:\\Quorvel\\";
constexpr char kOptionsPath[] = "C:\\Quorvel\\Option.ini";

std::string EncodeJpeg(int width, int height, int red, int green, int blue) {
    return EncodeTestJpeg(width, height, Rgb(red, green, blue));
}

bool Near(Color a, Color b) {
    return ColoursMatch(3, a, b);
}

// An appearance on the program's main window and its three dialogs, made now.
Appearance& WithDialogs(Appearance& appearance, Program& program) {
    appearance.AddWindow(Appearance::kEditor, program.Form2());
    appearance.AddWindow(Appearance::kOptions, program.Form3());
    appearance.AddWindow(Appearance::kAbout, program.Form4());
    return appearance;
}

class AppearanceTest : public ::testing::Test {
  protected:
    void WriteOptions(const std::string& skin, const std::string& fogOff = "0") {
        files_.AddFile(kOptionsPath, "[PROGRAM]\r\nFILE_SKIN=" + skin +
                                         "\r\n[ADDITION]\r\nDISABLE_FORM_FOG=" + fogOff + "\r\n");
    }
    FakeForm& FakeOf(LayoutForm& form) { return dynamic_cast<FakeForm&>(form.Window()); }
    const Bitmap& Picture(LayoutForm& form) {
        return form.FindControlAs<quorvel::Picture>("Image1")->Image();
    }

    FakeFileSystem files_;
    Profile profile_{files_};
    Options options_{profile_, kFolder};
    FakeToolkit toolkit_;
    FakeServices fake_;
    Program program_{toolkit_, fake_.services};
    FakeTextRasterizer text_;
    Appearance appearance_{program_.Form1(), kForm2Layout,     kForm3Layout, kForm4Layout, files_,
                           options_,         toolkit_.dialogs, &text_,       kFolder};
    Appearance& withDialogs_ = WithDialogs(appearance_, program_);
};

TEST_F(AppearanceTest, TheSkinNamedInTheOptionsSizesTheMainWindowAndCarriesTheTitle) {
    files_.AddFile("C:\\Quorvel\\Sand.jpg", EncodeJpeg(240, 200, 200, 180, 120));
    WriteOptions("Sand.jpg");
    appearance_.Start();

    EXPECT_THAT(toolkit_.dialogs.shown, IsEmpty());
    EXPECT_EQ(program_.Form1().Window().ClientSize(), (Size{240, 200}));
    EXPECT_EQ(appearance_.Fog().right, 240);
    EXPECT_EQ(appearance_.Fog().bottom, 200);
    // A picture of one colour has no shape of its own: the full rectangle.
    EXPECT_THAT(FakeOf(program_.Form1()).Region(), IsEmpty());
    ASSERT_THAT(text_.drawnTexts, ::testing::Contains("Quorvel"));
    const Bitmap& picture = Picture(program_.Form1());
    // The title's first ink pixel (fake metrics: (x + 1, y + 2)) is black; the rest is skin.
    EXPECT_EQ(picture.Pixel(37 + 1, 2 + 2), kBlack);
    EXPECT_TRUE(Near(picture.Pixel(5, 80), Rgb(200, 180, 120)));
    EXPECT_TRUE(Near(appearance_.FogColour(), Rgb(200, 180, 120)));
}

TEST_F(AppearanceTest, ASkinThatCannotBeLoadedIsReportedAndThePlainSkinUsed) {
    std::string truncated = EncodeJpeg(240, 200, 20, 40, 200);
    truncated.resize(truncated.size() / 3);
    // The last one is a good picture too small to hold the windows' controls.
    for (const std::string& bad :
         {std::string("not a picture"), truncated, EncodeJpeg(120, 90, 20, 40, 200)}) {
        SCOPED_TRACE(bad.size());
        FakeToolkit toolkit;
        FakeServices services;
        Program program(toolkit, services.services);
        files_.AddFile("C:\\Quorvel\\Broken.jpg", bad);
        WriteOptions("Broken.jpg");
        Appearance appearance(program.Form1(), kForm2Layout, kForm3Layout, kForm4Layout, files_,
                              options_, toolkit.dialogs, &text_, kFolder);
        WithDialogs(appearance, program);
        appearance.Start();

        ASSERT_THAT(toolkit.dialogs.shown, SizeIs(1));
        EXPECT_EQ(toolkit.dialogs.shown[0].type, DialogType::kError);
        EXPECT_EQ(program.Form1().Window().ClientSize(), (Size{202, 183}));
        EXPECT_EQ(appearance.Skin().Pixel(100, 100), kPlainPictureColor);
        // The options file keeps naming the skin.
        EXPECT_EQ(options_.Read(option::kFileSkin), "Broken.jpg");
    }
}

TEST_F(AppearanceTest, DeactivationFogsEveryWindowAndActivationRestoresIt) {
    files_.AddFile("C:\\Quorvel\\Blue.jpg", EncodeJpeg(210, 190, 30, 60, 160));
    WriteOptions("Blue.jpg");
    appearance_.Start();
    const Bitmap before = Picture(program_.Form1());
    // The program's first activation finds the picture just drawn: it is not drawn again.
    const std::size_t drawn = text_.drawnTexts.size();
    FakeOf(program_.Form1()).ActivateApp(true);
    EXPECT_EQ(text_.drawnTexts.size(), drawn);
    FakeOf(program_.Form1()).ActivateApp(false);
    FakeOf(program_.Form4()).ActivateApp(false);

    const Bitmap& fogged = Picture(program_.Form1());
    const Color fog = appearance_.FogColour();
    EXPECT_EQ(fogged.Pixel(1, 0), fog);  // x + y odd
    EXPECT_EQ(fogged.Pixel(0, 1), fog);
    EXPECT_EQ(fogged.Pixel(0, 0), before.Pixel(0, 0));
    EXPECT_EQ(Picture(program_.Form4()).Pixel(1, 0), fog);

    FakeOf(program_.Form1()).ActivateApp(true);
    EXPECT_EQ(Picture(program_.Form1()).Pixels(), before.Pixels());
    const std::size_t beforeAbout = text_.drawnTexts.size();
    FakeOf(program_.Form4()).ActivateApp(true);
    EXPECT_GT(text_.drawnTexts.size(), beforeAbout) << "each fogged window is drawn again";
}

TEST_F(AppearanceTest, WithTheFogSwitchedOffDeactivationChangesNothing) {
    files_.AddFile("C:\\Quorvel\\Blue.jpg", EncodeJpeg(210, 190, 30, 60, 160));
    WriteOptions("Blue.jpg", "1");
    appearance_.Start();
    const Bitmap before = Picture(program_.Form1());
    FakeOf(program_.Form1()).ActivateApp(false);
    EXPECT_EQ(Picture(program_.Form1()).Pixels(), before.Pixels());
}

TEST_F(AppearanceTest, DraggingThePictureMovesTheWindowWithTheLeftButtonOnly) {
    WriteOptions("Missing.jpg");
    appearance_.Start();
    auto& image = dynamic_cast<FakePicture&>(*program_.Form1().FindControl("Image1"));
    Form& window = program_.Form1().Window();
    window.SetPosition({100, 100});

    image.MouseDown(MouseButton::kRight, {10, 10});
    image.MouseMove({30, 25});
    EXPECT_EQ(window.Position(), (Point{100, 100}));
    image.MouseUp(MouseButton::kRight, {30, 25});

    image.MouseDown(MouseButton::kLeft, {10, 10});
    image.MouseMove({30, 25});
    EXPECT_EQ(window.Position(), (Point{120, 115}));
    image.MouseUp(MouseButton::kLeft, {30, 25});
    image.MouseMove({50, 50});
    EXPECT_EQ(window.Position(), (Point{120, 115}));
}

TEST_F(AppearanceTest, DialogsTakeTheirPictureAndShapeBeforeTheyShow) {
    files_.AddFile("C:\\Quorvel\\Blue.jpg", EncodeJpeg(210, 190, 30, 60, 160));
    WriteOptions("Blue.jpg");
    appearance_.Start();
    program_.Form1().Window().SetPosition({300, 200});
    Size shownSize;
    FakeOf(program_.Form4()).WhileNextModal([&] {
        shownSize = Picture(program_.Form4()).Width() == 210 ? Size{210, 190} : Size{};
    });
    program_.Form4().ShowModalOver(program_.Form1());
    EXPECT_EQ(shownSize, (Size{210, 190}));
    EXPECT_THAT(text_.drawnTexts, ::testing::Contains("About the program"));

    // The options dialog draws its page on the skin, not on the fogged main window.
    FakeOf(program_.Form1()).ActivateApp(false);
    program_.Form3().ShowModalOver(program_.Form1());
    EXPECT_EQ(Picture(program_.Form3()).Pixels(), appearance_.Skin().Pixels());
}

TEST_F(AppearanceTest, ChangingTheSkinReshapesAndResizesEveryWindowAndStoresTheName) {
    files_.AddFile("C:\\Quorvel\\Blue.jpg", EncodeJpeg(210, 190, 30, 60, 160));
    files_.AddFile("C:\\Quorvel\\Sand.jpg", EncodeJpeg(230, 200, 200, 180, 120));
    WriteOptions("Blue.jpg");
    appearance_.Start();
    appearance_.ChangeSkin("Sand");

    EXPECT_EQ(options_.Read(option::kFileSkin), "Sand.jpg");
    for (LayoutForm* form : std::initializer_list<LayoutForm*>{
             &program_.Form1(), &program_.Form2(), &program_.Form3(), &program_.Form4()})
        EXPECT_EQ(form->Window().ClientSize(), (Size{230, 200})) << form->Layout().name;
    EXPECT_TRUE(Near(appearance_.FogColour(), Rgb(200, 180, 120)));
    // The main window lies fogged behind the options dialog.
    EXPECT_EQ(Picture(program_.Form1()).Pixel(1, 0), appearance_.FogColour());

    // A skin that cannot be loaded, or is too small for the controls, changes nothing.
    EXPECT_THROW(appearance_.ChangeSkin("Nothing"), std::exception);
    files_.AddFile("C:\\Quorvel\\Tiny.jpg", EncodeJpeg(100, 50, 1, 2, 3));
    EXPECT_THROW(appearance_.ChangeSkin("Tiny"), Error);
    EXPECT_EQ(options_.Read(option::kFileSkin), "Sand.jpg");
    EXPECT_EQ(appearance_.Skin().Width(), 230);
}

// A window dragged onto a display of 150 % and back: the whole family is laid out again
// from the design, and the way back ends exactly where it began.
TEST_F(AppearanceTest, AMoveToAnotherScaleLaysEveryWindowOutAgainAndBackExactly) {
    // The left half is the key colour: the window is its right half.
    files_.AddFile("C:\\Quorvel\\Sand.jpg",
                   EncodeTestJpeg(240, 200, Rgb(0, 0, 0), Rgb(200, 180, 120)));
    WriteOptions("Sand.jpg");
    appearance_.Start();
    const Bitmap mainBefore = Picture(program_.Form1());
    const std::vector<RowRun> shapeBefore = FakeOf(program_.Form1()).Region();
    LayoutForm* const forms[] = {&program_.Form1(), &program_.Form2(), &program_.Form3(),
                                 &program_.Form4()};
    auto expectLaidOutAt = [&](DisplayScale scale) {
        for (LayoutForm* form : forms) {
            SCOPED_TRACE(form->Layout().name);
            EXPECT_EQ(form->Window().ClientSize(), scale.Of(Size{240, 200}));
            for (const ControlLayout& design : form->DesignLayout().controls) {
                if (design.kind == ControlKind::kPicture && design.autoSize) continue;
                FakeControlBase* control = FakeOf(*form).Find(design.name);
                EXPECT_EQ(control->AsControl().Bounds(), scale.Of(design.bounds)) << design.name;
                EXPECT_EQ(control->Font().height, scale.FontHeight(design.font.height));
                if (auto* glyph = dynamic_cast<FakeGlyphButton*>(control))
                    EXPECT_EQ(glyph->Scale(), scale) << design.name;
            }
        }
        for (const char* menu : {"Menu1", "Menu2"})
            EXPECT_EQ(toolkit_.GetMenu(menu).Scale(), scale);
    };

    // The about box, open over the main window, is the one dragged.
    FakeOf(program_.Form4()).WhileNextModal([&] {
        FakeOf(program_.Form4()).ChangeScale({144});
        expectLaidOutAt({144});
        EXPECT_EQ(Picture(program_.Form4()).Width(), 360);
        const auto& shape = FakeOf(program_.Form4()).Region();
        ASSERT_THAT(shape, SizeIs(300));
        EXPECT_NEAR(shape[150].left, 180, 1);
        // The main window behind it is drawn again at its new size.
        EXPECT_EQ(Picture(program_.Form1()).Width(), 360);
    });
    program_.Form4().ShowModalOver(program_.Form1());

    FakeOf(program_.Form1()).ChangeScale({96});
    expectLaidOutAt({96});
    EXPECT_EQ(Picture(program_.Form1()), mainBefore);
    EXPECT_EQ(FakeOf(program_.Form1()).Region(), shapeBefore);
}

// A skin that fits at 100 % but would be larger than the largest skin read at 200 %: the
// move there uses the plain skin and says why, and so does a start at 200 %; nothing of
// the oversized picture is ever made.
TEST_F(AppearanceTest, ASkinTooLargeForTheScaleIsRefusedLikeADamagedOne) {
    files_.AddFile("C:\\Quorvel\\Wide.jpg", EncodeJpeg(2049, 200, 30, 60, 160));
    WriteOptions("Wide.jpg");
    appearance_.Start();
    ASSERT_THAT(toolkit_.dialogs.shown, IsEmpty());
    EXPECT_EQ(appearance_.Skin().Width(), 2049);

    FakeOf(program_.Form1()).ChangeScale({192});
    ASSERT_THAT(toolkit_.dialogs.shown, SizeIs(1));
    EXPECT_EQ(toolkit_.dialogs.shown[0].type, DialogType::kError);
    EXPECT_THAT(toolkit_.dialogs.shown[0].text, ::testing::HasSubstr("4098 x 400"));
    EXPECT_EQ(program_.Form1().Window().ClientSize(), (Size{404, 366}));
    EXPECT_EQ(appearance_.Skin().Pixel(200, 200), kPlainPictureColor);
    EXPECT_EQ(options_.Read(option::kFileSkin), "Wide.jpg");

    FakeToolkit toolkit;
    toolkit.scale = {192};
    FakeServices services;
    Program program(toolkit, services.services);
    Appearance atStart(program.Form1(), kForm2Layout, kForm3Layout, kForm4Layout, files_, options_,
                       toolkit.dialogs, &text_, kFolder);
    atStart.Start();
    ASSERT_THAT(toolkit.dialogs.shown, SizeIs(1));
    EXPECT_EQ(program.Form1().Window().ClientSize(), (Size{404, 366}));
}

}  // namespace
}  // namespace quorvel

namespace quorvel {
namespace {

// The same program on a display of 144 DPI (150 %).
struct ToolkitAt144 : FakeToolkit {
    ToolkitAt144() { scale = {144}; }
};

TEST(AppearanceAtScale, TheSkinItsShapeAndTheTitleAreScaledWithTheWindows) {
    FakeFileSystem files;
    Profile profile{files};
    Options options{profile, kFolder};
    ToolkitAt144 toolkit;
    FakeServices fake;
    Program program{toolkit, fake.services};
    FakeTextRasterizer text;
    Appearance appearance{program.Form1(), kForm2Layout,    kForm3Layout, kForm4Layout, files,
                          options,         toolkit.dialogs, &text,        kFolder};
    WithDialogs(appearance, program);
    // The left half is the key colour: the window is its right half.
    files.AddFile("C:\\Quorvel\\Sand.jpg",
                  EncodeTestJpeg(240, 200, Rgb(0, 0, 0), Rgb(200, 180, 120)));
    files.AddFile(kOptionsPath,
                  "[PROGRAM]\r\nFILE_SKIN=Sand.jpg\r\n[ADDITION]\r\nDISABLE_FORM_FOG=0\r\n");
    appearance.Start();

    ASSERT_THAT(toolkit.dialogs.shown, IsEmpty());
    EXPECT_EQ(program.Form1().Window().ClientSize(), (Size{360, 300}));
    const auto& shape = dynamic_cast<FakeForm&>(program.Form1().Window()).Region();
    ASSERT_THAT(shape, SizeIs(300));
    for (const RowRun& run : shape) {
        EXPECT_NEAR(run.left, 180, 1);
        EXPECT_EQ(run.right, 360);
    }
    // The title in the window font at 150 %, at its scaled place.
    ASSERT_FALSE(text.drawnFonts.empty());
    EXPECT_EQ(text.drawnFonts.back().height, -17);
    const Bitmap& picture = program.Form1().FindControlAs<Picture>("Image1")->Image();
    EXPECT_EQ(picture.Pixel(56 + 1, 3 + 2), kBlack);
}

}  // namespace
}  // namespace quorvel
