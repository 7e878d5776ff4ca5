// The standard output and error streams of a console program on Windows.
#pragma once

namespace platform::win32 {

// Makes std::cout and std::cerr, which carry UTF-8 text, read right wherever they go:
// wide characters (WriteConsoleW) to a console window, whatever its code page; the UTF-8
// bytes unchanged to a file or a pipe. Call once, before anything is written.
void UseUtf8StandardStreams();

// Runs `action` when Ctrl+C, Ctrl+Break, closing the console window, logging off or
// shutting down ends the program, on a thread of its own, before the program ends as it
// would have.
void RunBeforeConsoleEnd(void (*action)());

}  // namespace platform::win32
