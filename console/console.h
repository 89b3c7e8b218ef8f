#pragma once
// The console: a screen of code page 437 cells with a cursor and a current
// colour, and keyboard and mouse input delivered as KeyCodes. This is the only
// layer that touches the terminal or the clock.

#include <string>
#include <string_view>
#include <vector>

#include "console/input_event.h"
#include "console/types.h"

namespace tarvana {

// ---- Screen output ----

// Moves the cursor; a row or column outside the screen keeps that coordinate.
// Cancels a pending scroll.
void Locate(int row, int col);
// Sets the current colour; a value outside 0-15 keeps that half.
void SetColor(int fg, int bg);
// Writes each byte as one cell in the current colour, wrapping at the right
// edge; filling the bottom-right cell leaves a scroll pending for the next text.
void PrintText(std::string_view text);
// Cursor to column 1 of the next row, scrolling on the bottom row.
void NewLine();
// Blanks every cell in the current colour; cursor to row 1, column 1.
void ClearScreen();
// Character and colour of one cell (0 when outside the screen).
int ReadCell(int row, int col);
ColorAttr ReadCellColor(int row, int col);
// The screen's size: the terminal's when the console starts, up to 2048
// columns by 1024 rows (a larger terminal shows the screen in its top left),
// until SetConsoleSize changes it.
int ScreenWidth();
int ScreenHeight();
int CursorRow();
int CursorCol();
// 0 hides the cursor, a negative value shows it, a positive one sets its
// height in percent (10-99) and shows it.
void SetCursor(int mode);
// Makes the screen cols by rows; a value above 9999 (or below 1) does nothing.
// The screen then keeps that size: it stops following the terminal.
void SetConsoleSize(int cols, int rows);
// On (as a Session makes it unless asked not to): the screen takes the
// terminal's size whenever that changes, up to 2048 by 1024; the event readers
// then give a kResize event, and what the modern layer keeps on the screen is
// drawn again. Off (as the console starts): the screen keeps its size, and a
// terminal smaller than it shows a notice asking for room.
void SetFollowTerminalSize(bool on);
bool FollowsTerminalSize();
// The whole screen, or a rectangle, as a row-by-row cell buffer; neither moves
// the cursor nor changes the current colour.
void ReadScreenBlock(std::vector<Cell>& buffer);
void WriteScreenBlock(const std::vector<Cell>& buffer);
void ReadScreenRect(std::vector<Cell>& buffer, int top, int left, int rows, int cols);
void WriteScreenRect(const std::vector<Cell>& buffer, int top, int left, int rows, int cols);
// The terminal bell.
void Beep();
// Shows what is drawn, then sleeps.
void Pause(int ms);
// On: Ctrl+C typed ends the program as the terminal's interrupt does
// (SIGINT: the terminal given back, the program's own handler run if it has
// one) and is never read as a key. Off, as the console starts and as the
// low-level routines expect: Ctrl+C is a key. A Session turns it on.
void SetCtrlCInterrupts(bool on);
bool CtrlCInterrupts();
// Shows the screen on the terminal now, without reading input (reading and
// waiting for input show it too); nothing before the console has a screen.
void Refresh();

// ---- Colours ----

// fg = attr AND 15, bg = attr >> 4.
void SplitColor(ColorAttr attr, int& fg, int& bg);
// bg * 16 + fg, kept to eight bits.
ColorAttr MakeColor(int fg, int bg);
// Makes attr the current colour: SplitColor, then SetColor.
void UseColor(ColorAttr attr);

// ---- Input ----

// Wakes the console's wait with an event of kind kPosted carrying id: the one
// console routine that any thread may call. Every other routine that draws or
// reads input belongs to the thread that took the console and throws
// std::logic_error on another.
void PostEvent(int id);
// An event of kind kTimer carrying id once ms milliseconds have passed
// (WaitEvent and PollEvent give it); setting a timer again restarts it.
void SetTimer(int id, int ms);
void CancelTimer(int id);

// The next KeyCode, or an empty one when none is waiting; never waits.
KeyCode InKey();
// Waits (without using the processor) for the next KeyCode.
KeyCode WaitKey();
// Waits (without using the processor) for the next event: a KeyCode, as
// WaitKey gives it, with its mouse cell, or a size change of the screen.
// MouseRow and MouseCol follow as they do for WaitKey.
InputEvent WaitEvent();
// WaitEvent passing over size changes, as WaitKey does: what the widgets read.
InputEvent WaitKeyEvent();
// The next event, or one of kind kNone when none is waiting; never waits.
InputEvent PollEvent();
// True when the next input event yields a KeyCode; events that yield none are
// removed from the queue while it looks.
bool KeyWaiting();
// Turns mouse events on or off; off also resets MouseRow and MouseCol to 0.
void SetMouse(bool on);
// Chooses the buttons (1 left, 2 right, 4 middle) and events (1 move,
// 2 double-click, 4 pressed, 8 released) that are reported.
void SetMouse(int buttons, int events);
// Position (1-based) of the last mouse event delivered as a KeyCode.
int MouseRow();
int MouseCol();

// ---- Clock and random numbers ----

// Seconds since midnight, with millisecond resolution.
double Timer();
// Today's date as the clock's text, MM-DD-YYYY.
std::string ClockDate();
// The time of day as the clock's text, HH:MM:SS.
std::string ClockTime();
void Randomize(double start);
// A pseudo-random number in [0, 1).
double Rnd();

// ---- Taking over the terminal ----

// A program's output starts as plain lines on the terminal; the first cursor
// move, clear, block write or size change (or this call) switches to the full
// screen, which LeaveFullScreen gives back, so that text printed afterwards
// (also with printf) follows what was on the terminal before the program
// started. Mouse reports come only while the full screen shows; keys are read
// raw from the first use of the console until the program ends.
void EnterFullScreen();
void LeaveFullScreen();

}  // namespace tarvana
