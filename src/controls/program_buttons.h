#pragma once

#include <string_view>

#include "base/font.h"
#include "controls/xp_bit_btn.h"
#include "platform/layout.h"

namespace quorvel {

// The look every captioned button of the program shares: square corners, a rectangle
// face. The options dialog's Button4 draws no focus mark.
void ApplyProgramButtonStyle(TXPBitBtn& button, std::string_view formName,
                             std::string_view buttonName);

// The font a control's layout names, or the window's when it names none.
Font FontOfLayout(const FontSpec& control, const FontSpec& form);

}  // namespace quorvel
