#pragma once

namespace quorvel {

enum class MouseButton { kLeft, kRight, kMiddle };

}  // namespace quorvel
