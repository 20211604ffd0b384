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

// A drop-down list with the selection rules of the system's combo box.
class FakeLanguageList : public LanguageList {
  public:
    void Clear() override {
        items_.clear();
        selected_ = -1;
    }
    void Add(const std::string& text) override { items_.push_back(text); }
    int Count() const override { return int(items_.size()); }
    std::string Item(int index) const override { return items_.at(std::size_t(index)); }
    void Select(int index) override { selected_ = index; }
    int Selected() const override { return selected_; }
    void Delete(int index) override {
        items_.erase(items_.begin() + index);
        if (selected_ == index) {
            selected_ = -1;
        } else if (selected_ > index) {
            --selected_;
        }
    }

    const std::vector<std::string>& Items() const { return items_; }
    std::string SelectedText() const {
        return selected_ < 0 ? std::string() : items_.at(std::size_t(selected_));
    }

  private:
    std::vector<std::string> items_;
    int selected_ = -1;
};

}  // namespace quorvel
