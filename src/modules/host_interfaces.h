#pragma once

#include <string>

#include "base/bitmap.h"
#include "platform/module_loader.h"

namespace quorvel {

// What the module host needs from the rest of the program. Every value is asked for at
// the moment of use, so a changed plug-in folder, language or skin takes effect at once.
class ModuleHostEnvironment {
  public:
    virtual ~ModuleHostEnvironment() = default;

    virtual std::string ProgramFile() = 0;
    // Ends in "\".
    virtual std::string ProgramFolder() = 0;
    // Used as a plain prefix; normally ends in "\".
    virtual std::string PluginFolder() = 0;
    virtual std::string CombinationListFile() = 0;
    virtual std::string SkinFile() = 0;
    virtual const Bitmap& SkinBitmap() = 0;
    // Display name of the current language, handed to modules.
    virtual std::string LanguageDisplayName() = 0;
    // The result of every failed lookup ("No" in the built-in language).
    virtual std::string NoActionWord() = 0;
    // A value of section "HOT"n of the combination list file, read at this moment.
    virtual std::string ReadCombinationValue(int number, const std::string& key) = 0;

    virtual NativeHandle MainWindow() = 0;
    virtual NativeHandle EditorWindow() = 0;
    virtual NativeHandle OptionsWindow() = 0;
    virtual NativeHandle ApplicationWindow() = 0;
};

// The combination editor as the settings step sees it.
class ModuleEditor {
  public:
    virtual ~ModuleEditor() = default;

    virtual NativeHandle Window() = 0;
    // Screen position of the window.
    virtual int Left() = 0;
    virtual int Top() = 0;
    virtual void Hide() = 0;
    virtual void Show() = 0;
};

// The editor's action list `Plugin`: a drop-down list that keeps itself sorted.
class ActionListTarget {
  public:
    virtual ~ActionListTarget() = default;

    virtual void Clear() = 0;
    virtual void Add(const std::string& text) = 0;
    virtual int Count() = 0;
    // Selects the entry at a position of the sorted list; -1 selects nothing (empty text).
    virtual void Select(int index) = 0;
};

}  // namespace quorvel
