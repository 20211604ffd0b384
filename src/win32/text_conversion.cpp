#include "win32/text_conversion.h"

#include "win32/windows_api.h"

namespace quorvel::win32 {

namespace {

std::wstring Decode(UINT codePage, DWORD flags, std::string_view text) {
    const int size =
        MultiByteToWideChar(codePage, flags, text.data(), int(text.size()), nullptr, 0);
    if (size <= 0) return {};
    std::wstring wide(std::size_t(size), L'\0');
    MultiByteToWideChar(codePage, flags, text.data(), int(text.size()), wide.data(), size);
    return wide;
}

// The program runs with UTF-8 as its ANSI code page (its manifest asks for it), so bytes
// that are not UTF-8, written by older tools, are decoded with the ANSI code page of the
// system's locale; where that is UTF-8 too, with Western European, which takes any byte.
UINT LegacyCodePage() {
    DWORD codePage = 0;
    if (GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                       reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / sizeof(wchar_t)) &&
        codePage != 0 && codePage != CP_UTF8)
        return codePage;
    return 1252;
}

}  // namespace

std::wstring Widen(std::string_view text) {
    if (text.empty()) return {};
    std::wstring wide = Decode(CP_UTF8, MB_ERR_INVALID_CHARS, text);
    return wide.empty() ? Decode(LegacyCodePage(), 0, text) : wide;
}

std::string Narrow(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    if (size <= 0) return {};
    std::string narrow(std::size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), narrow.data(), size, nullptr,
                        nullptr);
    return narrow;
}

}  // namespace quorvel::win32
