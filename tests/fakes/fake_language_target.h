#pragma once

#include <string>
#include <vector>

#include "lang/language_target.h"

namespace quorvel {

// Records the captions a language sets, in order.
class FakeLanguageTarget : public LanguageTarget {
  public:
    struct Caption {
        CaptionOwner owner;
        std::string control;
        std::string text;
        bool operator==(const Caption&) const = default;
    };
    void SetCaption(CaptionOwner owner, std::string_view control,
                    const std::string& text) override {
        captions_.push_back({owner, std::string(control), text});
    }
    const std::vector<Caption>& Captions() const { return captions_; }

  private:
    std::vector<Caption> captions_;
};

}  // namespace quorvel
