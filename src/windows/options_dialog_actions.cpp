// Reading the options into the dialog and saving them from it.
#include "base/text_compare.h"
#include "settings/autorun.h"
#include "windows/options_dialog.h"

namespace quorvel {

void TForm3::AttachParts(OptionsDialogParts parts) {
    parts_.emplace(std::move(parts));
}

void TForm3::C6Click() {
    FolderEdit->SetEnabled(!C6->Checked());
}

void TForm3::C8Click() {
    C9->SetEnabled(C8->Checked());
    DriveLeter->SetEnabled(C8->Checked());
}

void TForm3::LoadOption() {
    if (!parts_) return;
    const Options& options = parts_->options;
    C1->SetChecked(options.Read(option::kAutorun));
    C2->SetChecked(options.Read(option::kEnableAllHotKey));
    C3->SetChecked(options.Read(option::kExitProgram));
    C4->SetChecked(options.Read(option::kDisableFoneModes));
    C5->SetChecked(options.Read(option::kDeleteHotKey));
    FolderEdit->SetText(options.Read(option::kFolderPlugin));
    C6->SetChecked(options.Read(option::kAutoPluginFolder));
    C6Click();
    C7->SetChecked(options.Read(option::kFastOpen));
    C8->SetChecked(options.Read(option::kDiskInDrive));
    C8Click();
    C9->SetChecked(options.Read(option::kAnimation));
    const std::string drive = options.Read(option::kDrive);
    for (int i = 0; i < DriveLeter->Count(); ++i) {
        if (EqualNoCase(DriveLeter->Item(i), drive)) {
            DriveLeter->SetItemIndex(i);
            break;
        }
    }
}

void TForm3::SaveOption() {
    if (!parts_) return;
    const Options& options = parts_->options;
    options.Write(option::kAutorun, C1->Checked());
    if (C1->Checked())
        SetAutorun(parts_->autorun, parts_->programFile);
    else
        ClearAutorun(parts_->autorun);
    options.Write(option::kEnableAllHotKey, C2->Checked());
    options.Write(option::kExitProgram, C3->Checked());
    options.Write(option::kDisableFoneModes, C4->Checked());
    options.Write(option::kDeleteHotKey, C5->Checked());
    options.Write(option::kFastOpen, C7->Checked());
    options.Write(option::kDiskInDrive, C8->Checked());
    options.Write(option::kAnimation, C9->Checked());
    // Without a drive to choose from, the stored one is kept rather than emptied.
    if (DriveLeter->ItemIndex() >= 0)
        options.Write(option::kDrive, DriveLeter->Item(DriveLeter->ItemIndex()));
    options.Write(option::kFolderPlugin, FolderEdit->Text());
    options.Write(option::kAutoPluginFolder, C6->Checked());
    if (parts_->takePluginFolder) parts_->takePluginFolder();
    parts_->discWatch.ApplySavedChoice(C8->Checked());
}

}  // namespace quorvel
