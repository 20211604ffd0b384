#pragma once

#include <string_view>

#include "base/font.h"
#include "controls/xp_bit_btn.h"
#include "controls/xp_label.h"
#include "platform/layout.h"

namespace quorvel {

// The look every captioned button of the program shares: square corners, a rectangle
// face. The options dialog's Button4 draws no focus mark.
void ApplyProgramButtonStyle(TXPBitBtn& button, std::string_view formName,
                             std::string_view buttonName);

// The look of the program's caption label (the about box's name line): black on the
// system window colour with no shadow offset, centred, sized to its caption.
void ApplyProgramLabelStyle(TXPLabel& label);

// The font a control's layout names, or the window's when it names none.
Font FontOfLayout(const FontSpec& control, const FontSpec& form);

}  // namespace quorvel
