/*
 * One source for the test action modules; a SHAPE_* definition picks the exports and the
 * behaviour of each DLL. Every call is appended, with its arguments, as one line
 * "<tag>: <call>" to the file named by the environment variable QUORVEL_MODULE_LOG, so
 * tests can check exact sequences. Texts are quoted; null pointers read "null"; handles
 * and numbers are decimal. Written in C to prove the interface header is plain C.
 */
#if defined(SHAPE_COMPLETE)
#define TAG "complete"
#define INFORMATION "Complete action"
#define HAS_EXPANSION_A
#define HAS_EXPANSION_B
#define HAS_EXPANSION_I
#define HAS_SETTING
#define HAS_EXECUTE
#elif defined(SHAPE_NO_EXPANSION_A)
#define TAG "no_expansion_a"
#define INFORMATION "Unlisted action"
#define HAS_EXPANSION_I
#define HAS_SETTING
#define HAS_EXECUTE
#elif defined(SHAPE_NO_SETTING)
#define TAG "no_setting"
#define INFORMATION "Plain action"
#define HAS_EXPANSION_A
#define HAS_EXPANSION_B
#define HAS_EXPANSION_I
#define HAS_EXECUTE
#elif defined(SHAPE_NO_EXECUTE)
#define TAG "no_execute"
#define INFORMATION "Idle action"
#define HAS_EXPANSION_A
#define HAS_EXPANSION_I
#define HAS_SETTING
#elif defined(SHAPE_NO_INFORMATION)
#define TAG "no_information"
#define HAS_EXPANSION_A
#define HAS_EXPANSION_I
#define HAS_EXECUTE
#elif defined(SHAPE_LONG_INFORMATION)
/* Also usable as actions.dll: only its first 255 characters are read there. */
#define TAG "long_information"
#define X10 "xxxxxxxxxx"
#define X290                                                                                    \
    X10 X10 X10 X10 X10 X10 X10 X10 X10 X10 X10 X10 X10 X10 X10 X10 X10 X10 X10 X10 X10 X10 X10 \
        X10 X10 X10 X10 X10 X10
#define INFORMATION "3,One,Two," X290
#define HAS_EXPANSION_A
#define HAS_EXECUTE
#elif defined(SHAPE_BUILTIN)
#define TAG "builtin"
#define INFORMATION "3,Open,Close,Hide"
#define HAS_EXPANSION_A
#define HAS_EXPANSION_B
#define HAS_EXPANSION_I
#define HAS_SETTING
#define HAS_EXECUTE
#elif defined(SHAPE_CANCEL)
#define TAG "cancel"
#define INFORMATION "Cancelling action"
#define HAS_EXPANSION_A
#define HAS_SETTING
#define HAS_EXECUTE
#define COMMAND_CANCELS
#elif defined(SHAPE_MODAL)
#define TAG "modal"
#define INFORMATION "Modal action"
#define HAS_EXPANSION_A
#define HAS_EXPANSION_I
#define HAS_EXECUTE
#define EXECUTE_RUNS_MESSAGE_LOOP
#elif defined(SHAPE_TIMING)
/* For timing a press: only Execute is logged, stamped with the performance counter read
 * as Execute begins (the counter is the same in every process). The other calls stay
 * silent so their file writes do not add to the time measured. */
#define TAG "timing"
#define INFORMATION "Timed action"
#define HAS_EXPANSION_A
#define HAS_EXPANSION_I
#define HAS_EXECUTE
#define LOG_EXECUTE_ONLY
#define STAMP_EXECUTE
#elif defined(SHAPE_SLEEP)
/* A hung action: Execute sleeps for the milliseconds its command text gives, handling no
 * message meanwhile, and logs "Execute done" when it wakes. */
#define TAG "sleep"
#define INFORMATION "Sleeping action"
#define HAS_EXPANSION_A
#define HAS_EXECUTE
#define EXECUTE_SLEEPS
#else
#error "define one SHAPE_*"
#endif

#ifdef SHAPE_BUILTIN
#define QUORVEL_BUILTIN_MODULE
#endif
#include <quorvel_module.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* Log lines are short except ExpansionI's; a fixed buffer keeps DllMain free of the heap. */
static char line_[4096];
static size_t length_;

static void Put(const char* text) {
    size_t size = strlen(text);
    if (length_ + size >= sizeof line_) size = sizeof line_ - 1 - length_;
    memcpy(line_ + length_, text, size);
    length_ += size;
    line_[length_] = 0;
}

static void Begin(const char* call) {
    length_ = 0;
    Put(TAG ": ");
    Put(call);
}

static void PutText(const char* text) {
    if (!text) {
        Put("null");
        return;
    }
    Put("\"");
    Put(text);
    Put("\"");
}

static void PutNumber(unsigned long long value) {
    char digits[24];
    int at = (int)sizeof digits - 1;
    digits[at] = 0;
    do {
        digits[--at] = (char)('0' + value % 10);
        value /= 10;
    } while (value);
    Put(digits + at);
}

static inline void PutSigned(long long value) {
    if (value < 0) {
        Put("-");
        PutNumber((unsigned long long)-value);
    } else {
        PutNumber((unsigned long long)value);
    }
}

/* Appends the line to the log file, opened and closed each time. */
static void End(void) {
    char path[MAX_PATH];
    DWORD size = GetEnvironmentVariableA("QUORVEL_MODULE_LOG", path, sizeof path);
    if (size == 0 || size >= sizeof path) return;
    Put("\r\n");
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line_, (DWORD)length_, &written, NULL);
    CloseHandle(file);
}

#ifdef LOG_EXECUTE_ONLY
static const int logOtherCalls_ = 0;
#else
static const int logOtherCalls_ = 1;
#endif

static void Log(const char* call) {
    if (!logOtherCalls_) return;
    Begin(call);
    End();
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) Log("attach");
    if (reason == DLL_PROCESS_DETACH) Log("detach");
    return TRUE;
}

#ifdef INFORMATION
const char* QUORVEL_CALL Information(void) {
    Log("Information()");
    return INFORMATION;
}
#endif

#ifdef HAS_EXPANSION_A
void QUORVEL_CALL ExpansionA(const char* languageName) {
    if (!logOtherCalls_) return;
    Begin("ExpansionA(");
    PutText(languageName);
    Put(")");
    End();
}
#endif

#ifdef HAS_EXPANSION_B
static HBITMAP picture_;

/* The picture as "WxH/RRGGBB" (size and top-left pixel), "null", or "invalid". */
static void PutPicture(HBITMAP picture) {
    BITMAP info;
    if (!picture) {
        Put("null");
        return;
    }
    if (GetObjectA(picture, sizeof info, &info) != sizeof info) {
        Put("invalid");
        return;
    }
    HDC dc = CreateCompatibleDC(NULL);
    HGDIOBJ old = SelectObject(dc, picture);
    COLORREF color = GetPixel(dc, 0, 0);
    SelectObject(dc, old);
    DeleteDC(dc);
    char text[48];
    snprintf(text, sizeof text, "%ldx%ld/%02X%02X%02X", (long)info.bmWidth, (long)info.bmHeight,
             GetRValue(color), GetGValue(color), GetBValue(color));
    Put(text);
}

void QUORVEL_CALL ExpansionB(HBITMAP skin, int32_t editorLeft, int32_t editorTop) {
    picture_ = skin;
    Begin("ExpansionB(");
    PutPicture(skin);
    Put(",");
    PutSigned(editorLeft);
    Put(",");
    PutSigned(editorTop);
    Put(")");
    End();
}
#endif

#ifdef HAS_EXPANSION_I
void QUORVEL_CALL ExpansionI(TExpansionI record) {
    const uintptr_t* slot = &record.programFile;
    int i;
    if (!logOtherCalls_) return;
    Begin("ExpansionI(");
    for (i = 0; i < 12; ++i) {
        if (i > 0) Put(",");
        if (i < 7) {
            PutText((const char*)slot[i]);
        } else {
            PutNumber(slot[i]);
        }
    }
    Put(")");
    End();
}
#endif

#ifdef HAS_SETTING
static char command_[1024];

static void Remember(const char* hotKey, const char* command) {
    snprintf(command_, sizeof command_, "%s|%s", hotKey ? hotKey : "", command ? command : "new");
}

static void LogSetting(HWND editor, const char* hotKey, const char* command) {
    Begin("Setting(");
    PutNumber((uintptr_t)editor);
    Put(",");
    PutText(hotKey);
    Put(",");
    PutText(command);
}

static void EndSetting(HWND editor) {
    Put(")");
    /* What the module sees while its settings run. */
    Put(IsWindowVisible(editor) ? " editor shown" : " editor hidden");
#ifdef HAS_EXPANSION_B
    if (picture_) {
        BITMAP info;
        Put(GetObjectA(picture_, sizeof info, &info) ? " picture alive" : " picture gone");
    }
#endif
    End();
}

#ifdef SHAPE_BUILTIN
void QUORVEL_CALL Setting(HWND editor, const char* hotKey, const char* command, int32_t action) {
    LogSetting(editor, hotKey, command);
    Put(",");
    PutSigned(action);
    EndSetting(editor);
    Remember(hotKey, command);
}
#else
void QUORVEL_CALL Setting(HWND editor, const char* hotKey, const char* command) {
    LogSetting(editor, hotKey, command);
    EndSetting(editor);
    Remember(hotKey, command);
}
#endif

/* The first answer only says "not cancelled"; the second is the command text. */
const char* QUORVEL_CALL Command(void) {
    Log("Command()");
#ifdef COMMAND_CANCELS
    return "NOCOMMAND";
#else
    static int calls;
    return ++calls == 1 ? "ready" : command_;
#endif
}
#endif
#ifdef HAS_EXECUTE
static void LogExecute(const char* hotKey, const char* command, HWND mainWindow) {
    Begin("Execute(");
    PutText(hotKey);
    Put(",");
    PutText(command);
    Put(",");
    PutNumber((uintptr_t)mainWindow);
}

#ifdef EXECUTE_RUNS_MESSAGE_LOOP
/* Pumps the thread's messages for QUORVEL_MODULE_LOOP_MS milliseconds (default 500), as
 * a module showing its own dialog would. */
static void RunMessageLoop(void) {
    char text[16];
    UINT milliseconds = 500;
    if (GetEnvironmentVariableA("QUORVEL_MODULE_LOOP_MS", text, sizeof text) > 0) {
        milliseconds = (UINT)strtoul(text, NULL, 10);
    }
    UINT_PTR timer = SetTimer(NULL, 0, milliseconds, NULL);
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == NULL && message.wParam == timer) break;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    KillTimer(NULL, timer);
}
#endif

#ifdef SHAPE_BUILTIN
int32_t QUORVEL_CALL Execute(const char* hotKey, const char* command, HWND mainWindow,
                             int32_t action) {
    LogExecute(hotKey, command, mainWindow);
    Put(",");
    PutSigned(action);
    Put(")");
    End();
    return 0;
}
#else
int32_t QUORVEL_CALL Execute(const char* hotKey, const char* command, HWND mainWindow) {
#ifdef STAMP_EXECUTE
    LARGE_INTEGER entered;
    QueryPerformanceCounter(&entered);
#endif
    LogExecute(hotKey, command, mainWindow);
    Put(")");
#ifdef STAMP_EXECUTE
    Put(" at ");
    PutNumber((unsigned long long)entered.QuadPart);
#endif
    End();
#ifdef EXECUTE_RUNS_MESSAGE_LOOP
    RunMessageLoop();
    Log("Execute done");
#endif
#ifdef EXECUTE_SLEEPS
    Sleep(command ? (DWORD)strtoul(command, NULL, 10) : 0);
    Log("Execute done");
#endif
    return 0;
}
#endif
#endif
