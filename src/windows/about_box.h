#pragma once

#include <string>
#include <string_view>

#include "base/web_pages.h"
#include "ui/layout_form.h"

namespace quorvel {

extern const FormLayout kForm4Layout;

// What the contributors box (XPBitBtn3) says.
std::string GratitudeText();

// The about box: the program's name as a link, a drawn page, Ok and the thanks.
class TForm4 : public LayoutForm {
  public:
    explicit TForm4(Toolkit& toolkit);

    Picture* const Image1;
    Label* const XPLabel1;
    PushButton* const XPBitBtn1;
    PushButton* const XPBitBtn3;
};

}  // namespace quorvel
