#pragma once

namespace quorvel {

// The title of the application: the task bar button and Alt+Tab show it, and a second
// start finds the running instance's application window by it.
inline constexpr char kApplicationTitle[] = "Quorvel 3.5";
// The application title while the program starts: a second start does not find it yet.
inline constexpr char kStartingTitle[] = "Quorvel started ...";
// The main window's caption: never shown (the window has no title bar), but a second start
// finds the running instance's main window by it.
inline constexpr char kMainWindowCaption[] = "ZORIZED3";

}  // namespace quorvel
