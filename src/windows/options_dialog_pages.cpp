// The options dialog's pages and what happens as it opens, shows and closes, and the two
// choices it applies at once: the language and the skin.
#include <array>
#include <vector>

#include "base/window_messages.h"
#include "platform/error_report.h"
#include "skin/skin_drawing.h"
#include "ui/item_search.h"
#include "windows/options_dialog.h"

namespace quorvel {

namespace {

// A label drawn onto the picture, at a position or centred at a height.
struct PageText {
    LanguageText text;
    int left;  // kCentred: centred on the dialog
    int top;
};
constexpr int kCentred = -1;

struct Page {
    LanguageText title;
    std::vector<PageText> texts;
};

const std::array<Page, TForm3::kPageCount>& Pages() {
    using T = LanguageText;
    static const std::array<Page, TForm3::kPageCount> pages{{
        {T::kForm3Sheet1,
         {{T::kForm3C1, 21, 28},
          {T::kForm3C2, 21, 52},
          {T::kForm3C3, 21, 77},
          {T::kForm3C4, 21, 101},
          {T::kForm3C5, 21, 126}}},
        {T::kForm3Sheet2,
         {{T::kForm3C7, 21, 28},
          {T::kForm3C8, 21, 52},
          {T::kForm3Box3, 21, 77},
          {T::kForm3C9, 38, 100}}},
        {T::kForm3Sheet3, {{T::kForm3Box1, kCentred, 40}}},
        {T::kForm3Sheet4, {{T::kForm3Box4, kCentred, 25}}},
        {T::kForm3Sheet5, {{T::kForm3Box2, kCentred, 40}, {T::kForm3C6, 25, 100}}},
    }};
    return pages;
}

}  // namespace

std::string TForm3::Text(LanguageText id) const {
    return parts_ ? parts_->text(id) : std::string();
}

void TForm3::PrepareOpen() {
    ShowOptionsPage(1);
    S1->SetEnabled(false);
    S2->SetEnabled(true);
}

void TForm3::Closed() noexcept {
    if (!parts_ || !parts_->enableTrayMenu) return;
    try {
        parts_->enableTrayMenu(true);
    } catch (...) {
        // A menu that cannot be enabled leaves nothing else to undo.
    }
}

void TForm3::ShowOptionsPage(int page) {
    page_ = page;
    const std::vector<Control*> pageControls[kPageCount] = {{C1, C2, C3, C4, C5},
                                                            {C7, C8, C9, DriveLeter},
                                                            {Box, Button3},
                                                            {ListSkin, Button4},
                                                            {FolderEdit, C6}};
    for (int index = 0; index < kPageCount; ++index)
        for (Control* control : pageControls[index]) control->SetVisible(index + 1 == page);
    if (parts_) parts_->appearance.ShowOptionsPicture();
}

void TForm3::StepOptionsPage(bool forward) {
    const int page = page_ + (forward ? 1 : -1);
    if (page < 1 || page > kPageCount) return;
    S1->SetEnabled(page != 1);
    S2->SetEnabled(page != kPageCount);
    ShowOptionsPage(page);
}

void TForm3::DrawPageTexts(PictureText& texts, int windowWidth) const {
    const Page& page = Pages()[page_ - 1];
    const std::string title = Text(LanguageText::kForm3Caption) + " / " + Text(page.title);
    texts.Draw(texts.CentredX(title, windowWidth) - 28, 2, title);
    for (const PageText& label : page.texts) {
        const std::string text = Text(label.text);
        const int left = label.left == kCentred ? texts.CentredX(text, windowWidth) : label.left;
        texts.Draw(left, label.top, text);
    }
}

void TForm3::Showing() {
    if (!parts_) return;
    MessageDialogs& dialogs = toolkit_.Dialogs();
    // Each step on its own: an option that cannot be read must not leave the language and
    // skin lists empty, nor the tray menu able to open the dialog a second time.
    RunReportingErrors(dialogs, [&] {
        ListCdDrives(parts_->drives, *DriveLeter);
        if (DriveLeter->Count() > 0) DriveLeter->SetItemIndex(0);
        LoadOption();
    });
    RunReportingErrors(dialogs, [&] { parts_->language.LoadLanguageList(*Box); });
    RunReportingErrors(dialogs, [&] {
        parts_->mainWindow.Send(kFogMessage, 0, 0);
        if (parts_->enableTrayMenu) parts_->enableTrayMenu(false);
    });
    RunReportingErrors(dialogs, [&] { ListSkins(); });
}

void TForm3::ListSkins() {
    ListSkin->Clear();
    for (const std::string& file : parts_->files.ListFiles(parts_->programFolder + "*.jpg"))
        ListSkin->Add(file.substr(0, file.find('.')));
    const std::string current = parts_->options.Read(option::kFileSkin);
    const std::string name = current.substr(0, current.find('.'));
    ListSkin->SetItemIndex(IndexOfNoCase(*ListSkin, name));  // -1: no selection
}

void TForm3::LoadLanguageClick() {
    if (!parts_) return;
    Language& language = parts_->language;
    const std::string file = language.FindLanguageFile(*Box, Box->Item(Box->ItemIndex()));
    // A name whose file has gone (the folder changed while the dialog was open): the list
    // shows what is there now and the language stays.
    if (!file.empty()) {
        language.SetCurrentLanguage(file);
        language.LoadLanguage(parts_->captions);
    }
    language.LoadLanguageList(*Box);
    if (!file.empty()) ShowOptionsPage(3);
}

void TForm3::LoadSkinClick() {
    // Without a chosen skin there is nothing to load.
    if (!parts_ || ListSkin->ItemIndex() < 0) return;
    parts_->appearance.ChangeSkin(ListSkin->Item(ListSkin->ItemIndex()));
    ShowOptionsPage(4);
}

}  // namespace quorvel
