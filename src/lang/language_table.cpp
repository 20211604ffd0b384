#include "lang/language_table.h"

namespace quorvel {
namespace {

using T = LanguageText;
using O = CaptionOwner;

constexpr std::array<LanguageTextEntry, kLanguageTextCount> kTexts{{
    {T::kForm2C2, "FORM2", "C2", "To request acknowledgement"},
    {T::kForm2Caption1, "FORM2", "Caption1", "Create hot key"},
    {T::kForm2Caption2, "FORM2", "Caption2", "Update hot key"},
    {T::kMsgDelete, "MSG", "DELETE", "You really want to remove this combination ?"},
    {T::kMsgExitProgram, "MSG", "EXIT_PROGRAM", "Exit from the program ?"},
    {T::kMsgDisableFoneModes, "MSG", "DISABLE_FONE_MODES",
     "At setting combinations will be switched - off."},
    {T::kMsgNoPlugin, "MSG", "NO_PLUGIN", "Action is not specified."},
    {T::kMsgNoHotkey, "MSG", "NO_HOTKEY", "The combination is not specified."},
    {T::kMsgHotkeyDlg, "MSG", "HOTKEY_DLG", "The combination is already appointed. To continue ?"},
    {T::kMsgCreateDlgHotkey, "MSG", "CREATE_DLG_HOTKEY",
     "To replace already appointed combination created ?"},
    {T::kMsgResaveDlgHotkey, "MSG", "RESAVE_DLG_HOTKEY",
     "The combination is already appointed. Update it ?"},
    {T::kMsgResaveHotkey, "MSG", "RESAVE_HOTKEY", "Update combination ?"},
    {T::kForm2Box1, "FORM2", "Box1", "Quorvel"},
    {T::kForm2Box2, "FORM2", "Box2", "Action"},
    {T::kForm2C1, "FORM2", "C1", "Enable hot key"},
    {T::kForm3Caption, "FORM3", "Caption", "Option"},
    {T::kForm3Sheet1, "FORM3", "Sheet1", "Program"},
    {T::kForm3Sheet2, "FORM3", "Sheet2", "Tray"},
    {T::kForm3Sheet3, "FORM3", "Sheet3", "Language"},
    {T::kForm3Sheet5, "FORM3", "Sheet5", "Plugin"},
    {T::kForm3C1, "FORM3", "C1", "Run at Startup"},
    {T::kForm3C2, "FORM3", "C2", "Enable hot key"},
    {T::kForm3C3, "FORM3", "C3", "Warn when exiting program"},
    {T::kForm3C4, "FORM3", "C4", "Warn when setting window"},
    {T::kForm3C5, "FORM3", "C5", "Warn when deleting hot key"},
    {T::kForm3C6, "FORM3", "C6", "Auto"},
    {T::kForm3C7, "FORM3", "C7", "Disable fast call"},
    {T::kForm3C8, "FORM3", "C8", "Detected disk in CD-ROM"},
    {T::kForm3C9, "FORM3", "C9", "Animation"},
    {T::kForm3Box1, "FORM3", "Box1", "Choose the necessary language"},
    {T::kForm3Box2, "FORM3", "Box2", "Folder with Plugin"},
    {T::kForm3Box3, "FORM3", "Box3", "Choose the device"},
    {T::kMsgNoFoundPlugin, "MSG", "NOFOUNDPLUGIN", "Action for this combination is not found !!!"},
    {T::kVariablesNo, "VARIABLES", "NO", "No"},
    {T::kVariablesLanguageIdentificator, "VARIABLES", "LANGUAGE_IDENTIFICATOR", "00000409"},
    {T::kMsgExecuteHotkey, "MSG", "EXECUTE_HOTKEY",
     "For acknowledgement of performance of a combination press it again or 'Esc' for a "
     "cancellation"},
    {T::kForm4Caption2, "FORM4", "Caption2", "About the program"},
    {T::kMsgHint1, "MSG", "HINT1", "This combination is switched off"},
    {T::kForm3Sheet4, "FORM3", "Sheet4", "Skins"},
    {T::kForm3Box4, "FORM3", "Box4", "Choose a skin"},
}};

constexpr bool IndexedById() {
    for (std::size_t i = 0; i < kTexts.size(); ++i) {
        if (std::size_t(kTexts[i].id) != i) return false;
    }
    return true;
}
static_assert(IndexedById(), "the text table must list the entries in LanguageText order");

constexpr CaptionEntry kCaptions[] = {
    {"FORM1", "Button1", O::kForm1, "Button1"},
    {"FORM1", "Button2", O::kForm1, "Button2"},
    {"FORM1", "Button3", O::kForm1, "Button3"},
    {"FORM1", "Button4", O::kForm1, "Button4"},
    {"FORM1", "Button5", O::kForm1, "Button5"},
    {"FORM1", "Button6", O::kForm1, "Button6"},
    {"FORM2", "Button1", O::kForm2, "Button1"},
    {"FORM2", "Button2", O::kForm2, "Button2"},
    {"FORM3", "C1", O::kForm3, "C1"},
    {"FORM3", "C2", O::kForm3, "C2"},
    {"FORM3", "C3", O::kForm3, "C3"},
    {"FORM3", "C4", O::kForm3, "C4"},
    {"FORM3", "C5", O::kForm3, "C5"},
    {"FORM3", "C6", O::kForm3, "C6"},
    {"FORM3", "Button1", O::kForm3, "Button1"},
    {"FORM3", "Button2", O::kForm3, "Button2"},
    {"FORM3", "Button3", O::kForm3, "Button3"},
    {"FORM3", "Button4", O::kForm3, "Button4"},
    // The about box's Ok button is XPBitBtn1 in its layout.
    {"FORM4", "Button1", O::kForm4, "XPBitBtn1"},
    {"POPUPMENU", "N1", O::kMenu1, "N1"},
    {"POPUPMENU", "N2", O::kMenu1, "N2"},
    {"POPUPMENU", "N4", O::kMenu1, "N4"},
    {"POPUPMENU", "N7", O::kMenu1, "N7"},
    {"POPUPMENU", "N10", O::kMenu1, "N10"},
    {"POPUPMENU", "N9", O::kMenu1, "N9"},
    // The parking menu's items are N11-N13; the file numbers them from 1.
    {"POPUPMENU2", "N1", O::kMenu2, "N11"},
    {"POPUPMENU2", "N2", O::kMenu2, "N12"},
    {"POPUPMENU2", "N3", O::kMenu2, "N13"},
};

constexpr LanguageKey kAllKeys[] = {
    {"FILE", "LANGUAGE"},
    {"FORM1", "Button1"},
    {"FORM1", "Button2"},
    {"FORM1", "Button3"},
    {"FORM1", "Button4"},
    {"FORM1", "Button5"},
    {"FORM1", "Button6"},
    {"FORM2", "Button1"},
    {"FORM2", "Button2"},
    {"FORM2", "Caption1"},
    {"FORM2", "Caption2"},
    {"FORM2", "Box1"},
    {"FORM2", "Box2"},
    {"FORM2", "C1"},
    {"FORM2", "C2"},
    {"FORM3", "Caption"},
    {"FORM3", "Sheet1"},
    {"FORM3", "Sheet2"},
    {"FORM3", "Sheet3"},
    {"FORM3", "Sheet4"},
    {"FORM3", "Sheet5"},
    {"FORM3", "C1"},
    {"FORM3", "C2"},
    {"FORM3", "C3"},
    {"FORM3", "C4"},
    {"FORM3", "C5"},
    {"FORM3", "C6"},
    {"FORM3", "C7"},
    {"FORM3", "C8"},
    {"FORM3", "C9"},
    {"FORM3", "Box1"},
    {"FORM3", "Box2"},
    {"FORM3", "Box3"},
    {"FORM3", "Box4"},
    {"FORM3", "Button1"},
    {"FORM3", "Button2"},
    {"FORM3", "Button3"},
    {"FORM3", "Button4"},
    {"FORM4", "Caption2"},
    {"FORM4", "Button1"},
    {"MSG", "DELETE"},
    {"MSG", "EXIT_PROGRAM"},
    {"MSG", "DISABLE_FONE_MODES"},
    {"MSG", "EXECUTE_HOTKEY"},
    {"MSG", "NO_PLUGIN"},
    {"MSG", "NO_HOTKEY"},
    {"MSG", "HOTKEY_DLG"},
    {"MSG", "CREATE_DLG_HOTKEY"},
    {"MSG", "RESAVE_DLG_HOTKEY"},
    {"MSG", "RESAVE_HOTKEY"},
    {"MSG", "NOFOUNDPLUGIN"},
    {"MSG", "HINT1"},
    {"MSG", "INFORMATION"},
    {"VARIABLES", "NO"},
    {"VARIABLES", "LANGUAGE_IDENTIFICATOR"},
    {"POPUPMENU", "N1"},
    {"POPUPMENU", "N2"},
    {"POPUPMENU", "N4"},
    {"POPUPMENU", "N7"},
    {"POPUPMENU", "N10"},
    {"POPUPMENU", "N9"},
    {"POPUPMENU2", "N1"},
    {"POPUPMENU2", "N2"},
    {"POPUPMENU2", "N3"},
};

}  // namespace

const DirectEntry kInformationKey{
    "MSG", "INFORMATION",
    "Welcome to Quorvel!\r\n\r\n"
    "Quorvel runs an action whenever you press one of your key combinations, in any "
    "program. Create the combinations in the main window, then press \"Minimized\": Quorvel "
    "goes into background mode. Its window hides, an icon in the notification area stands "
    "for it, and your combinations work everywhere.\r\n\r\n"
    "To leave background mode, click that icon, or right-click it and choose \"Show main "
    "window\". While the window is shown, the combinations are switched off.\r\n\r\n"
    "Show this message at the next start?"};

const std::array<LanguageTextEntry, kLanguageTextCount>& LanguageTextEntries() {
    return kTexts;
}

std::span<const CaptionEntry> CaptionEntries() {
    return kCaptions;
}

std::span<const LanguageKey> AllLanguageKeys() {
    return kAllKeys;
}

}  // namespace quorvel
