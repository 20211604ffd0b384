#include "controls/program_buttons.h"

#include "base/system_colors.h"

namespace quorvel {

void ApplyProgramButtonStyle(TXPBitBtn& button, std::string_view formName,
                             std::string_view buttonName) {
    button.SetStyleButton(ButtonStyle::xpbbsbRectangle);
    button.SetRadius(0);
    button.SetMarkBtnFocused(!(formName == "TForm3" && buttonName == "Button4"));
}

Font FontOfLayout(const FontSpec& control, const FontSpec& form) {
    const FontSpec& wanted = control.name.empty() ? form : control;
    Font font;
    if (!wanted.name.empty()) font.name = std::string(wanted.name);
    if (wanted.height != 0) font.height = wanted.height;
    font.bold = wanted.bold;
    return font;
}

void ApplyProgramLabelStyle(TXPLabel& label) {
    label.SetCaptionAlignment(TCaptionAlignment::caCenter);
    label.SetForegroundColor(kBlack);
    label.SetBackgroundColor(kClWindow);
    label.SetOffset(0);
    label.SetAutoSize(true);
}

}  // namespace quorvel
