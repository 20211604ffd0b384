#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace quorvel {

// The product's web site: the one place its address is written.
inline constexpr char kProductWebSite[] = "http://www.quorvel.net";

namespace detail {
// Joins two literals at compile time, so the page addresses can be constants of layouts.
template <std::size_t N, std::size_t M>
constexpr std::array<char, N + M - 1> Join(const char (&a)[N], const char (&b)[M]) {
    std::array<char, N + M - 1> joined{};
    for (std::size_t i = 0; i + 1 < N; ++i) joined[i] = a[i];
    for (std::size_t i = 0; i < M; ++i) joined[N - 1 + i] = b[i];
    return joined;
}
inline constexpr auto kHomePage = Join(kProductWebSite, "/index.htm");
inline constexpr auto kDocumentationPage = Join(kProductWebSite, "/documentation.htm");
}  // namespace detail

inline constexpr std::string_view kHomePageAddress{detail::kHomePage.data(),
                                                   detail::kHomePage.size() - 1};
inline constexpr std::string_view kDocumentationPageAddress{detail::kDocumentationPage.data(),
                                                            detail::kDocumentationPage.size() - 1};

static_assert(kHomePageAddress == "http://www.quorvel.net/index.htm");

}  // namespace quorvel
