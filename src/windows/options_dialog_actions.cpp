// Reading the options into the dialog and saving them from it.
#include "settings/autorun.h"
#include "ui/item_search.h"
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
    // A stored drive that is no CD drive any more leaves the first one selected.
    const int drive = IndexOfNoCase(*DriveLeter, options.Read(option::kDrive));
    if (drive >= 0) DriveLeter->SetItemIndex(drive);
}

void TForm3::SaveOption() {
    if (!parts_) return;
    // All values reach the file in one replace; only then the autorun entry follows it, so a
    // save that cannot write the file changes nothing at all.
    OptionsEdit edit(parts_->options);
    edit.Write(option::kAutorun, C1->Checked());
    edit.Write(option::kEnableAllHotKey, C2->Checked());
    edit.Write(option::kExitProgram, C3->Checked());
    edit.Write(option::kDisableFoneModes, C4->Checked());
    edit.Write(option::kDeleteHotKey, C5->Checked());
    edit.Write(option::kFastOpen, C7->Checked());
    edit.Write(option::kDiskInDrive, C8->Checked());
    edit.Write(option::kAnimation, C9->Checked());
    // Without a drive to choose from, the stored one is kept rather than emptied.
    if (DriveLeter->ItemIndex() >= 0)
        edit.Write(option::kDrive, DriveLeter->Item(DriveLeter->ItemIndex()));
    edit.Write(option::kFolderPlugin, FolderEdit->Text());
    edit.Write(option::kAutoPluginFolder, C6->Checked());
    edit.Commit();
    if (C1->Checked())
        SetAutorun(parts_->autorun, parts_->programFile);
    else
        ClearAutorun(parts_->autorun);
    if (parts_->takePluginFolder) parts_->takePluginFolder();
    parts_->discWatch.ApplySavedChoice(C8->Checked());
}

}  // namespace quorvel
