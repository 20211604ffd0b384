#pragma once

// Built only into the program the end-to-end tests drive (quorvel_test), never into the
// one users get.
namespace quorvel {
class Program;
}

namespace quorvel::win32 {

// Pops a menu of the main window up: WParam 1 for Menu1, 2 for Menu2; LParam holds the
// screen position (x in the low word, y in the high word). The tests show the parking menu
// with it, which nothing else opens while no window is parked.
inline constexpr unsigned kPopupMenuMessage = 0x8051;

// Answers the IconChecksum of the big icon of the window in WParam, read inside the program
// (other processes cannot read a window's icon everywhere).
inline constexpr unsigned kIconChecksumMessage = 0x8052;

// Makes the main window answer kPopupMenuMessage and kIconChecksumMessage.
void InstallTestHooks(Program& program);

}  // namespace quorvel::win32
