/*
 * quorvel_module.h - the interface of a Quorvel action module.
 *
 * An action module is a Windows DLL. Quorvel looks its exports up by name, so they must
 * be exported undecorated ("Execute", not "_Execute@16" or "Execute@16"):
 *   - MinGW: compile with this header and link with -Wl,--kill-at (needed for 32-bit
 *     stdcall names; harmless on 64-bit), or list the exports in a .def file;
 *   - MSVC: list the exports in a .def file (EXPORTS Information ExpansionA ...).
 * On 32-bit Windows every export uses __stdcall; on 64-bit Windows there is one calling
 * convention and the keyword is ignored.
 *
 * Two kinds of module:
 *   - a plug-in: any "*.DLL" file in the plug-in folder; it supplies one action whose
 *     name is its Information text;
 *   - the built-in module actions.dll beside quorvel.exe: it supplies up to nine
 *     numbered actions, and its Setting and Execute take the action number as an extra
 *     last argument. Define QUORVEL_BUILTIN_MODULE before including this header to get
 *     those prototypes.
 *
 * Lifecycle. A module is loaded for one operation and freed before that operation ends:
 * listing the actions, turning a stored action into its name, the settings step of the
 * editor, or running the action when its hot key is pressed. Keep nothing in the module
 * between calls other than what one operation needs; a global set in ExpansionA is
 * still there when Information is called in the same operation, never later.
 *
 * Texts. Every text is a pointer to a NUL-terminated ANSI text (bytes as the user
 * stored them; Quorvel writes its own files as UTF-8). An empty text is passed as a
 * null pointer, so check every text argument for NULL. A text a module returns must stay
 * valid until the module is freed (a static buffer is fine); Quorvel copies it at once.
 *
 * Calls Quorvel makes, in order, per operation:
 *   listing (editor opens):   ExpansionA, Information   (a plug-in without ExpansionA
 *                              is not offered in the editor's list)
 *   naming a stored action:   ExpansionA (if exported), Information
 *   settings step (editor     ExpansionA, ExpansionB, ExpansionI (each if exported),
 *   confirmed):               Setting, Command, Command
 *   hot key pressed:          ExpansionI (if exported), Execute
 *
 * Setting/Command protocol. Setting runs the module's own settings (typically a modal
 * dialog; the editor window is hidden meanwhile and passed as the owner to use). Then
 * Quorvel calls Command: returning "NOCOMMAND" means the user cancelled and nothing is
 * saved. Otherwise Quorvel calls Command a second time, and that text is stored as the
 * combination's command text and handed back to Execute each time the hot key fires.
 * A module without Setting (or without Command) gets the command text
 * "NOSUPPORTCOMMAND". The command text is opaque to Quorvel.
 *
 * Everything runs on Quorvel's window thread. Setting and Execute may run their own
 * message loops; a hot key pressed meanwhile is dropped. Never let a C++ exception or a
 * longjmp leave an export.
 */
#ifndef QUORVEL_MODULE_H
#define QUORVEL_MODULE_H

#include <stdint.h>

#ifndef _WIN32
#error "Quorvel action modules are Windows DLLs"
#endif
#include <windows.h>
#define QUORVEL_CALL __stdcall

#ifdef __cplusplus
extern "C" {
#endif

/* The export names Quorvel looks up. */
#define QUORVEL_INFORMATION "Information"
#define QUORVEL_EXPANSION_A "ExpansionA"
#define QUORVEL_EXPANSION_B "ExpansionB"
#define QUORVEL_EXPANSION_I "ExpansionI"
#define QUORVEL_SETTING "Setting"
#define QUORVEL_COMMAND "Command"
#define QUORVEL_EXECUTE "Execute"

/* Texts with a meaning in the Setting/Command protocol. */
#define QUORVEL_NOCOMMAND "NOCOMMAND"
#define QUORVEL_NOSUPPORTCOMMAND "NOSUPPORTCOMMAND"

/* The most actions actions.dll can supply. */
#define QUORVEL_MAX_BUILTIN_ACTIONS 9

/*
 * What Quorvel tells a module about itself, handed by value to ExpansionI. Twelve slots
 * of pointer size (four bytes on 32-bit Windows), slot 1 at the lowest address. Texts
 * live until ExpansionI returns: copy what you need. An empty text is a null pointer.
 */
typedef struct TExpansionI {
    uintptr_t programFile;       /* 1: const char*, full path of quorvel.exe */
    uintptr_t programFolder;     /* 2: const char*, its folder, ending in "\" */
    uintptr_t pluginFolder;      /* 3: const char*, the plug-in folder */
    uintptr_t languageFolder;    /* 4: const char*, program folder + "LANGUAGE\" */
    uintptr_t optionsFile;       /* 5: const char*, program folder + "Option.ini" */
    uintptr_t combinationList;   /* 6: const char*, the combination list file */
    uintptr_t skinFile;          /* 7: const char*, the skin picture file */
    uintptr_t reserved;          /* 8: always 0 */
    uintptr_t mainWindow;        /* 9: HWND of the main window */
    uintptr_t editorWindow;      /* 10: HWND of the combination editor */
    uintptr_t optionsWindow;     /* 11: HWND of the options dialog */
    uintptr_t applicationWindow; /* 12: HWND of the application window */
} TExpansionI;

#ifdef __cplusplus
#define QUORVEL_STATIC_ASSERT(condition, message) static_assert(condition, message)
#else
#define QUORVEL_STATIC_ASSERT(condition, message) _Static_assert(condition, message)
#endif
#ifdef _WIN64
QUORVEL_STATIC_ASSERT(sizeof(TExpansionI) == 96, "TExpansionI is twelve 8-byte slots on win64");
#else
QUORVEL_STATIC_ASSERT(sizeof(TExpansionI) == 48, "TExpansionI is twelve 4-byte slots on win32");
#endif

/*
 * Signatures of the exports, as pointer types (what the host calls through).
 *
 * Information:  the action name of a plug-in; of actions.dll a comma-separated list:
 *               a decimal count of at most 9, then that many names without commas
 *               ("3,Open,Close,Hide"); only its first 255 characters are read.
 * ExpansionA:   the display name of Quorvel's current language (e.g. "English").
 * ExpansionB:   a copy of the skin picture (a DIB section, or NULL when there is no
 *               skin; valid until the settings step ends, do not delete it) and the
 *               editor window's left and top in screen coordinates.
 * ExpansionI:   the TExpansionI record.
 * Setting:      the editor window (owner for your dialogs), the hot-key text (e.g.
 *               "Ctrl+Alt+A"), the current command text or NULL for a new one;
 *               actions.dll also gets the action number (1-based).
 * Command:      "NOCOMMAND" to cancel, else the command text (asked twice, see above).
 * Execute:      the hot-key text, the command text, the main window; actions.dll also
 *               gets the action number. The result is ignored (return 0).
 */
typedef const char*(QUORVEL_CALL* QuorvelInformationProc)(void);
typedef void(QUORVEL_CALL* QuorvelExpansionAProc)(const char* languageName);
typedef void(QUORVEL_CALL* QuorvelExpansionBProc)(HBITMAP skin, int32_t editorLeft,
                                                  int32_t editorTop);
typedef void(QUORVEL_CALL* QuorvelExpansionIProc)(TExpansionI record);
typedef void(QUORVEL_CALL* QuorvelSettingProc)(HWND editor, const char* hotKey,
                                               const char* command);
typedef void(QUORVEL_CALL* QuorvelBuiltinSettingProc)(HWND editor, const char* hotKey,
                                                      const char* command, int32_t action);
typedef const char*(QUORVEL_CALL* QuorvelCommandProc)(void);
typedef int32_t(QUORVEL_CALL* QuorvelExecuteProc)(const char* hotKey, const char* command,
                                                  HWND mainWindow);
typedef int32_t(QUORVEL_CALL* QuorvelBuiltinExecuteProc)(const char* hotKey, const char* command,
                                                         HWND mainWindow, int32_t action);

/*
 * Prototypes for a module's own source (Quorvel itself defines QUORVEL_HOST). Define
 * only the exports you need: Information and Execute are required; ExpansionA is
 * needed to be listed in the editor; Setting needs Command.
 */
#ifndef QUORVEL_HOST
#define QUORVEL_EXPORT __declspec(dllexport)
QUORVEL_EXPORT const char* QUORVEL_CALL Information(void);
QUORVEL_EXPORT void QUORVEL_CALL ExpansionA(const char* languageName);
QUORVEL_EXPORT void QUORVEL_CALL ExpansionB(HBITMAP skin, int32_t editorLeft, int32_t editorTop);
QUORVEL_EXPORT void QUORVEL_CALL ExpansionI(TExpansionI record);
QUORVEL_EXPORT const char* QUORVEL_CALL Command(void);
#ifdef QUORVEL_BUILTIN_MODULE
QUORVEL_EXPORT void QUORVEL_CALL Setting(HWND editor, const char* hotKey, const char* command,
                                         int32_t action);
QUORVEL_EXPORT int32_t QUORVEL_CALL Execute(const char* hotKey, const char* command,
                                            HWND mainWindow, int32_t action);
#else
QUORVEL_EXPORT void QUORVEL_CALL Setting(HWND editor, const char* hotKey, const char* command);
QUORVEL_EXPORT int32_t QUORVEL_CALL Execute(const char* hotKey, const char* command,
                                            HWND mainWindow);
#endif
#endif

#ifdef __cplusplus
}
#endif

#endif /* QUORVEL_MODULE_H */
