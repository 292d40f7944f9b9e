#pragma once
// A probe for the walk test of the real program: with RINSAL_SONDA naming a
// file, every message box shown is written there, and F12 writes what the
// active window shows (each field, label, button and scroll bar with its
// place on the screen). Without the variable nothing is installed.

namespace platform {

void attivaSonda();

} // namespace platform
