#pragma once
// The window's side of the program: the toolkit with its widgets, the single-instance guard,
// the services of the desktop and the main window over them, and the running program's
// answers to commands from outside. Built as a module of its own, loaded only when the
// window is wanted, so that a command never loads widgets or fonts.

// The module's entry, looked up by this name. Runs until the main window has closed
// (closing saves placement and lists); the program's exit code.
extern "C" int NudgeryWindowMain(int argc, char** argv);
