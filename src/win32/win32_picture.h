#pragma once

#include "win32/win32_control.h"

namespace quorvel::win32 {

// Shows a bitmap at its top-left corner and reports the mouse in picture coordinates,
// keeping it while a button is held. A picture at the form's corner is its backdrop.
class Win32Picture : public Win32Control<Picture> {
  public:
    static constexpr wchar_t kClassName[] = L"QuorvelPicture";

    Win32Picture(Win32Form& form, const ControlLayout& layout);
    ~Win32Picture() override;

    const Bitmap& Image() const override { return image_; }
    void SetImage(const Bitmap& image) override;
    void SetOnMouseDown(std::function<void(MouseButton, Point)> handler) override {
        onDown_ = std::move(handler);
    }
    void SetOnMouseMove(std::function<void(Point)> handler) override {
        onMove_ = std::move(handler);
    }
    void SetOnMouseUp(std::function<void(MouseButton, Point)> handler) override {
        onUp_ = std::move(handler);
    }

    std::optional<LRESULT> OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Button(MouseButton button, bool down, LPARAM lParam);

    Bitmap image_;
    std::function<void(MouseButton, Point)> onDown_;
    std::function<void(Point)> onMove_;
    std::function<void(MouseButton, Point)> onUp_;
};

}  // namespace quorvel::win32
