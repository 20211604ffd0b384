#pragma once

// Reads a fuzz input as a sequence of small fields; past the end every field is empty or
// zero, so any byte string is a valid input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace quorvel::fuzz {

class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : data_(reinterpret_cast<const char*>(data)), size_(size) {}

    bool Empty() const { return at_ >= size_; }

    std::uint8_t Byte() { return at_ < size_ ? std::uint8_t(data_[at_++]) : 0; }

    std::uint16_t Word() {
        const std::uint16_t low = Byte();
        return std::uint16_t(low | (Byte() << 8));
    }

    // A text of as many bytes as its length byte (or word) says, cut by the input's end.
    std::string Text() { return Take(Byte()); }
    std::string LongText() { return Take(Word()); }

    std::string Rest() { return Take(size_ - at_); }

  private:
    std::string Take(std::size_t count) {
        if (count > size_ - at_) count = size_ - at_;
        std::string text(data_ + at_, count);
        at_ += count;
        return text;
    }

    const char* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Stops the run with a message naming the broken rule: the fuzzer keeps the input.
[[noreturn]] inline void Fail(const std::string& rule) {
    std::fprintf(stderr, "broken: %s\n", rule.c_str());
    std::abort();
}

}  // namespace quorvel::fuzz
