// The language the options name, seen from outside the running program.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "program_driver.h"

namespace quorvel::e2e {
namespace {

using namespace std::chrono_literals;

void StoreLanguage(const ProgramFolder& folder, const wchar_t* language) {
    ASSERT_TRUE(WritePrivateProfileStringW(L"PROGRAM", L"FILE_LANGUAGE", language,
                                           folder.File("Option.ini").wstring().c_str()));
}

std::wstring StoredLanguage(const ProgramFolder& folder) {
    wchar_t value[256] = {};
    GetPrivateProfileStringW(L"PROGRAM", L"FILE_LANGUAGE", L"n/a", value, 256,
                             folder.File("Option.ini").wstring().c_str());
    return value;
}

BOOL CALLBACK CollectText(HWND child, LPARAM context) {
    wchar_t text[512] = {};
    GetWindowTextW(child, text, 512);
    reinterpret_cast<std::vector<std::wstring>*>(context)->push_back(text);
    return TRUE;
}

// The captions of a window's controls.
std::vector<std::wstring> ChildTexts(HWND window) {
    std::vector<std::wstring> texts;
    EnumChildWindows(window, CollectText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

bool Contains(const std::vector<std::wstring>& texts, const std::wstring& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

struct TextSearch {
    const std::wstring* text;
    HWND found;
};

BOOL CALLBACK MatchText(HWND child, LPARAM context) {
    auto& search = *reinterpret_cast<TextSearch*>(context);
    wchar_t buffer[512] = {};
    GetWindowTextW(child, buffer, 512);
    if (*search.text != buffer) return TRUE;
    search.found = child;
    return FALSE;
}

HWND ChildWithText(HWND window, const std::wstring& text) {
    TextSearch search{&text, nullptr};
    EnumChildWindows(window, MatchText, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The window as it is on the screen, as a 24-bit BMP file.
void SaveScreenshot(HWND window, const std::filesystem::path& file) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);

    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(std::size_t(stride) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + DWORD(pixels.size());
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), std::streamsize(pixels.size()));
}

// Whether the window's buttons have reached the screen (the root of the display is black).
bool Painted(HWND window, HWND button) {
    RECT rect{};
    GetWindowRect(button, &rect);
    HDC screen = GetDC(nullptr);
    const COLORREF pixel = GetPixel(screen, rect.left + 2, rect.top + 2);
    ReleaseDC(nullptr, screen);
    return IsWindowVisible(window) && pixel != CLR_INVALID && pixel != RGB(0, 0, 0);
}

void Close(RunningProgram& program, HWND main) {
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(10s).has_value());
}

TEST(Language, TheLanguageChosenInTheOptionsShowsAtStart) {
    ProgramFolder folder;
    StoreLanguage(folder, L"Russian.TXT");
    RunningProgram program(folder);

    HWND main = WaitForMainWindow(program);
    ASSERT_NE(main, nullptr) << "the main window never appeared";
    const auto texts = ChildTexts(main);
    for (const wchar_t* caption :
         {L"Создать", L"Удалить", L"Изменить", L"Настройки", L"О программе", L"Свернуть"}) {
        EXPECT_TRUE(Contains(texts, caption)) << "no button captioned in Russian";
    }
    EXPECT_FALSE(Contains(texts, L"Create"));
    EXPECT_EQ(FindProgramWindow(program.ProcessId(), L"Quorvel"), nullptr) << "a warning was shown";
    EXPECT_EQ(StoredLanguage(folder), L"Russian.TXT");

    const HWND button = ChildWithText(main, L"Создать");
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return Painted(main, button); }, 5s));
    Sleep(300);  // let the remaining controls paint
    SaveScreenshot(main, std::filesystem::path(QUORVEL_ARTIFACTS_DIR) / "language-russian.bmp");
    Close(program, main);
}

TEST(Language, AMissingLanguageFileIsReportedAndTheBuiltInLanguageTakesOver) {
    ProgramFolder folder;
    StoreLanguage(folder, L"Deutsch.TXT");
    RunningProgram program(folder);

    HWND warning = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        return (warning = FindProgramWindow(program.ProcessId(), L"Quorvel"));
    })) << "no warning";
    const auto lines = ChildTexts(warning);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::wstring& line) {
        return line.starts_with(L"WARNING !!!") &&
               line.ends_with(L"The not found file language, load language is default.");
    }));
    // The options are set back once the warning has been read.
    EXPECT_EQ(StoredLanguage(folder), L"Deutsch.TXT");
    const HWND ok = ChildWithText(warning, L"OK");
    ASSERT_NE(ok, nullptr);
    SendMessageW(ok, BM_CLICK, 0, 0);

    HWND main = WaitForMainWindow(program);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(Contains(ChildTexts(main), L"Create"));
    EXPECT_EQ(StoredLanguage(folder), L"STANDART LANGUAGE");
    Close(program, main);
}

}  // namespace
}  // namespace quorvel::e2e
